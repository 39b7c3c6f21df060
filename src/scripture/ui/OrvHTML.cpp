#include "scripture/ui/OrvHTML.h"

#include "app/HtmlHelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextDocument>

TOrvHTML::TOrvHTML(QWidget* Parent) : QTextBrowser(Parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Base, QColor(PageBackground.R, PageBackground.G, PageBackground.B));
    Pal.setColor(QPalette::Text, Qt::black);
    setPalette(Pal);
    document()->setDefaultFont(QFont(QStringLiteral("Verdana")));
    ApplyLinkColour();
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& Url) {
        // The page's own text of the target, not a URL made of it.
        const QString Target = QUrl::fromPercentEncoding(Url.toEncoded());
        if (OnHotSpotClick)
            OnHotSpotClick(Target.toStdString());
    });
}

void TOrvHTML::LoadFromString(const std::string& Html) {
    FHtml = Html;
    setHtml(QString::fromUtf8(Html.data(), static_cast<qsizetype>(Html.size())));
}

void TOrvHTML::SetDefFontColor(const QColor& Colour) {
    FLinkColour = Colour;
    ApplyLinkColour();
    if (!FHtml.empty())
        LoadFromString(FHtml);
}

void TOrvHTML::ApplyLinkColour() {
    // The rich-text engine colours links from the style sheet, at load time.
    document()->setDefaultStyleSheet(QStringLiteral("a { color: %1; }").arg(FLinkColour.name()));
    QPalette Pal = palette();
    Pal.setColor(QPalette::Link, FLinkColour);
    setPalette(Pal);
}

void TOrvHTML::FilterKeyUp(QKeyEvent* Event) {
    if (!Event || Event->key() != Qt::Key_C || !(Event->modifiers() & Qt::ControlModifier))
        return;
    if (OnCopyText)
        OnCopyText(this, QGuiApplication::clipboard()->text().toStdString());
}
