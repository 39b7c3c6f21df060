#include "controls/ui/OrvURLLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

TOrvURLLabel::TOrvURLLabel(QWidget* Parent) : QLabel(Parent) {
    setAttribute(Qt::WA_Hover);
    FURL = DefaultURL;
    setText(FURL);
    HighlightFont = font();
    HighlightFont.setUnderline(true);
}

TOrvURLLabel::TUrlOpener& TOrvURLLabel::UrlOpener() {
    static TUrlOpener Opener = [](const QString& Address) {
        QDesktopServices::openUrl(QUrl::fromUserInput(Address));
    };
    return Opener;
}

QString TOrvURLLabel::PrefixOf(TURLType Type) {
    switch (Type) {
    case utHTTP:
        return QStringLiteral("http://");
    case utFTP:
        return QStringLiteral("ftp://");
    case utFILE:
        return QStringLiteral("file:///");
    case utUNC:
        return QStringLiteral("\\\\");
    case utNONE:
        break;
    }
    return QString();
}

void TOrvURLLabel::SetURL(const QString& Value) {
    FURL = Value;
    update();
}

void TOrvURLLabel::OpenURL(TURLType Type, const QString& Address) {
    if (UrlOpener())
        UrlOpener()(PrefixOf(Type) + Address);
}

void TOrvURLLabel::enterEvent(QEnterEvent* Event) {
    QLabel::enterEvent(Event);
    if (FHighlighted)
        return;
    FSavedFont = font();
    FSavedPalette = palette();
    FHighlighted = true;
    setFont(HighlightFont);
    QPalette P = palette();
    P.setColor(QPalette::WindowText, HighlightColor);
    setPalette(P);
}

void TOrvURLLabel::leaveEvent(QEvent* Event) {
    QLabel::leaveEvent(Event);
    if (!FHighlighted)
        return;
    FHighlighted = false;
    setFont(FSavedFont);
    setPalette(FSavedPalette);
}

void TOrvURLLabel::mousePressEvent(QMouseEvent* Event) {
    QLabel::mousePressEvent(Event);
    FPressed = Event->button() == Qt::LeftButton;
}

void TOrvURLLabel::mouseReleaseEvent(QMouseEvent* Event) {
    QLabel::mouseReleaseEvent(Event);
    const bool WasPressed = FPressed;
    FPressed = false;
    if (!WasPressed || Event->button() != Qt::LeftButton ||
        !rect().contains(Event->position().toPoint()))
        return;
    if (FURLType != utNONE)
        OpenURL(FURLType, FURL);
}
