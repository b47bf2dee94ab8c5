#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QToolButton>
#include <optional>

#include "common/labels.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Small helpers that let a window lay out its controls: each at its twips
// position, with its name, font and colours, in the program's look.

namespace modVelmora {

inline const QColor kLightYellow(255, 255, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kBannerBlue(0, 0, 255);

// Names and places a control.
template <class Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height);

QFont Arial(double points, bool bold = false);
void SetBackground(QWidget* widget, const QColor& colour);
void SetForeground(QWidget* widget, const QColor& colour);

// A label without a background of its own.
QLabel* CaptionLabel(QWidget* parent, const QString& text, const QFont& font);
// A text box holding at most maxLength characters.
QLineEdit* EntryBox(QWidget* parent, int maxLength, const QFont& font, Qt::Alignment alignment = Qt::AlignLeft);
// A light yellow, bordered, centred result label in bold 12 pt.
QLabel* ResultLabel(QWidget* parent);
// Shows the label's text in the largest font up to `largest` that lets it show whole, so a
// long note or translation is written smaller rather than cut.
void FitText(QLabel* label, QFont largest);
// The blue title banner (Shape1) with its white caption (Label2).
QLabel* TitleBanner(QWidget* parent, const QString& caption, int captionLeft, int captionTop, int captionWidth,
                 int captionHeight, double points);
// The same banner for a window laid out by Qt's layouts: a full-width label named Label2.
QLabel* LayoutBanner(QWidget* parent, const QString& caption);
// The white, bordered label that shows the decimals spinner's count.
QLabel* DecimalsLabel(QWidget* parent);
// Shows the number of decimals after one blank, the place of a sign.
void ShowNumberOfDecimals(QLabel* label, int decimals);
// Tab moves through the controls in this order.
void SetTabOrder(const QList<QWidget*>& controls);
// The chosen option of a group yellow, the others white; Tab reaches the group at the chosen
// option, and the arrow keys move within it.
void HighlightOption(const QList<QRadioButton*>& group, int selected);
// Places a window in the middle of the primary screen.
void CentreOnScreen(QWidget* window);
// The tooltip of a picture, which is also what a screen reader says for it.
void SetPictureText(QWidget* picture, const QString& text);
// Names a box for screen readers by the caption shown above it.
void NameBox(QWidget* box, const QString& caption);
// What a result label shows ("Percentile"), for screen readers; they speak the value as its name.
void DescribeResult(QWidget* label, const QString& meaning);
// The descriptive label under a score: its text, and a tooltip and accessible description
// that name the standard score and the system; hidden under "None", empty without a score.
QLabel* DescriptionLabel(QWidget* parent);
void ShowDescription(QLabel* label, const std::optional<DescriptiveLabel>& description, LabelSystem system);

// A tool button that shows a frame while it has the keyboard focus.
class FramedToolButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A button with a picture from the resources and an optional caption.
QAbstractButton* PictureButton(QWidget* parent, const QString& picture, const QString& caption);

}  // namespace modVelmora

#include "shell/twips.h"

template <class Control>
Control* modVelmora::Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipRect(left, top, width, height));
    return control;
}
