#include "shell/controls.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QPainter>
#include <QToolButton>
#include <algorithm>


namespace modVelmora {

QFont Arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetForeground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QLabel* CaptionLabel(QWidget* parent, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* EntryBox(QWidget* parent, int maxLength, const QFont& font, Qt::Alignment alignment) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(maxLength);
    box->setFont(font);
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

QLabel* ResultLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFont(Arial(12, true));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    SetBackground(label, kLightYellow);
    return label;
}

void FitText(QLabel* label, QFont largest) {
    const int room = label->contentsRect().width() - 4;
    while (largest.pointSizeF() > 8 && QFontMetrics(largest).horizontalAdvance(label->text()) > room)
        largest.setPointSizeF(largest.pointSizeF() - 0.5);
    label->setFont(largest);
}

QLabel* TitleBanner(QWidget* parent, const QString& caption, int captionLeft, int captionTop, int captionWidth,
                 int captionHeight, double points) {
    auto* banner = Place(new QFrame(parent), "Shape1", 105, 105, 4215, 435);
    SetBackground(banner, kBannerBlue);
    auto* title = Place(CaptionLabel(parent, caption, Arial(points, true)), "Label2", captionLeft, captionTop,
                        captionWidth, captionHeight);
    title->setAlignment(Qt::AlignCenter);
    SetForeground(title, Qt::white);
    // A translated title longer than its place grows about its centre, within the banner.
    const int needed = title->fontMetrics().horizontalAdvance(caption) + 2 * title->margin() + 4;
    if (needed > title->width()) {
        const QRect room = banner->geometry();
        const int width = std::min(needed, room.width());
        const int left = std::clamp(title->geometry().center().x() - width / 2, room.left(), room.right() + 1 - width);
        title->setGeometry(left, title->y(), width, title->height());
    }
    return title;
}

QLabel* LayoutBanner(QWidget* parent, const QString& caption) {
    QLabel* banner = CaptionLabel(parent, caption, Arial(14.25, true));
    banner->setObjectName(QStringLiteral("Label2"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setFixedHeight(TwipsToPixels(435));
    SetBackground(banner, kBannerBlue);
    SetForeground(banner, Qt::white);
    return banner;
}

QLabel* DecimalsLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setFont(Arial(9.75));
    SetBackground(label, Qt::white);
    return label;
}

void ShowNumberOfDecimals(QLabel* label, int decimals) { label->setText(QStringLiteral(" %1").arg(decimals)); }

void SetPictureText(QWidget* picture, const QString& text) {
    picture->setToolTip(text);
    picture->setAccessibleName(text);
}

void NameBox(QWidget* box, const QString& caption) { box->setAccessibleName(caption); }

void DescribeResult(QWidget* label, const QString& meaning) { label->setAccessibleDescription(meaning); }

void SetTabOrder(const QList<QWidget*>& controls) {
    for (qsizetype i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void HighlightOption(const QList<QRadioButton*>& group, int selected) {
    for (int index = 0; index < group.size(); ++index) {
        SetBackground(group[index], index == selected ? kYellow : QColor(Qt::white));
        group[index]->setFocusPolicy(index == selected ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - QRect(QPoint(), window->frameGeometry().size()).center());
}

QLabel* DescriptionLabel(QWidget* parent) {
    auto* label = CaptionLabel(parent, QString(), Arial(8.25));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAccessibleName(QCoreApplication::translate("modVelmora::Labels", "Descriptive label"));
    return label;
}

void ShowDescription(QLabel* label, const std::optional<DescriptiveLabel>& description, LabelSystem system) {
    label->setVisible(system != LabelSystem::None);
    const QString text = description ? QCoreApplication::translate(kLabelContext, description->text) : QString();
    const QString meaning =
        description ? QCoreApplication::translate("modVelmora::Labels", "Standard score %1: %2 (%3)")
                          .arg(QString::number(description->standardScore, 'f', 0))
                          .arg(text, QCoreApplication::translate(kLabelContext, LabelSystemName(system)))
                    : QString();
    label->setText(text);
    label->setToolTip(meaning);
    label->setAccessibleDescription(meaning);
}

void FramedToolButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!hasFocus()) return;
    // The style marks the focus only after a key moved it, never after Calculate moved it: without
    // this frame the next key typed seems to vanish.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

QAbstractButton* PictureButton(QWidget* parent, const QString& picture, const QString& caption) {
    auto* button = new FramedToolButton(parent);
    button->setIcon(QIcon(QStringLiteral(":/pictures/") + picture));
    button->setFocusPolicy(Qt::StrongFocus);
    if (caption.isEmpty()) {
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setText(caption);
        button->setIconSize(QSize(24, 24));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return button;
}

}  // namespace modVelmora
