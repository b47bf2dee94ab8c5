// The sound player, a module of its own so that the multimedia stack is
// loaded only when the About box first wants a sound.
#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void VelmoraPlayWave(const char* url) {
    static QSoundEffect* sound = new QSoundEffect(QCoreApplication::instance());
    // The sound still playing stops before the new one replaces it.
    sound->stop();
    sound->setSource(QUrl(QString::fromUtf8(url)));
    sound->play();
}
