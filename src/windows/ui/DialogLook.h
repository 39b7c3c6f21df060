// The look the small auxiliary windows share: black background, a 4-pixel
// strip and the colour-scheme banner at the top, coloured and sized labels.
#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QWidget;
class TOrvButton;
class TSchemePanel;

namespace AuxWindows {

inline constexpr int BannerTop = 4;
inline constexpr int BannerHeight = 28;

// A stored colour value (red in the low byte, blue in the third).
QColor ColourValue(unsigned Value);
// Fixed client size, black background, centred on the screen.
void SetUpDialog(QDialog* Dialog, int Width, int Height, const QString& Caption);
// The banner under the strip, as wide as the window, with its white bold label.
TSchemePanel* MakeBanner(QWidget* Parent, int Width, const QString& LabelName, const QString& Text,
                         QLabel*& Label);
// Label text colour and background; Verdana at the given point size.
void SetTextColour(QWidget* W, const QColor& C);
void SetBackground(QWidget* W, const QColor& C);
void SetVerdana(QWidget* W, int PointSize, bool Bold, bool Italic = false);
// A horizontal rule.
QFrame* MakeRule(QWidget* Parent, int X, int Y, int Width);
// Windows text uses CR LF; labels want plain line feeds.
QString DisplayText(const QString& Text);

// The body of a warning window under its banner: a yellow heading over a
// rule, the message, a captioned list of the files concerned and, on the
// right, a panel with the default "OK" button.
struct TWarningBody {
    QLabel* Heading = nullptr;
    QLabel* Message = nullptr;
    QListWidget* List = nullptr;
    QWidget* ButtonPanel = nullptr;
    TOrvButton* OK = nullptr;
};
TWarningBody MakeWarningBody(QDialog* Dialog, int Width, int Height, const QString& Heading,
                             const QString& Message, int MessageHeight, const QString& ListCaption,
                             const QString& ListName);

} // namespace AuxWindows
