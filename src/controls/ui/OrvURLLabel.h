// A label that opens a web address when clicked and shows its highlight
// font while the mouse is over it.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

#include <functional>

enum TURLType { utHTTP, utFTP, utFILE, utUNC, utNONE };

class TOrvURLLabel : public QLabel {
    Q_OBJECT
public:
    explicit TOrvURLLabel(QWidget* Parent = nullptr);

    QString URL() const { return FURL; }
    void SetURL(const QString& Value);
    TURLType URLType() const { return FURLType; }
    void SetURLType(TURLType Value) { FURLType = Value; }
    QString URLPrefix() const { return PrefixOf(FURLType); }

    // Shown while the mouse is over the label; the normal font and colour
    // come back when it leaves.
    QFont HighlightFont;
    QColor HighlightColor{Qt::blue};
    bool IsHighlighted() const { return FHighlighted; }

    // Opens Prefix(Type) + Address with the desktop's default handler; the
    // label's own properties play no part. utNONE opens Address as it is.
    void OpenURL(TURLType Type, const QString& Address);

    static QString PrefixOf(TURLType Type);
    static inline const QString DefaultURL = QStringLiteral("www.tarvix.org");

    // What actually opens an address; tests replace it so nothing is opened.
    using TUrlOpener = std::function<void(const QString&)>;
    static TUrlOpener& UrlOpener();

protected:
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    QString FURL;
    TURLType FURLType = utHTTP;
    bool FHighlighted = false;
    bool FPressed = false;
    QFont FSavedFont;
    QPalette FSavedPalette;
};
