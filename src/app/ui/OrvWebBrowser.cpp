#include "app/ui/OrvWebBrowser.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

TOrvWebBrowser::TOrvWebBrowser(QWidget* Parent) : QTextBrowser(Parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setUndoRedoEnabled(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& Url) {
        emit LinkClicked(QUrl::fromPercentEncoding(Url.toEncoded()));
    });
}

void TOrvWebBrowser::LoadHtml(const std::string& Html) {
    Writing = true;
    FHtml = Html;
    QString Page = QString::fromUtf8(Html.data(), static_cast<qsizetype>(Html.size()));
    // The rich-text engine drops named anchors that hold no text; a zero-width
    // space keeps them, so pages can still be scrolled to them.
    static const QRegularExpression EmptyAnchor(R"((<A\s+NAME\s*=[^>]*>)\s*</A>)",
                                                QRegularExpression::CaseInsensitiveOption);
    Page.replace(EmptyAnchor, "\\1&#8203;</A>");
    setHtml(Page);
    Writing = false;
}

QString TOrvWebBrowser::ResourcePath(const QString& Address) {
    if (!Address.startsWith("res://", Qt::CaseInsensitive))
        return {};
    const QStringList Parts = Address.split('/', Qt::SkipEmptyParts);
    if (Parts.size() < 3)
        return {};
    return ":/" + Parts[Parts.size() - 2].toUpper() + "/" + Parts.last().toUpper();
}

QVariant TOrvWebBrowser::loadResource(int Type, const QUrl& Name) {
    const QString Path = ResourcePath(QUrl::fromPercentEncoding(Name.toEncoded()));
    if (!Path.isEmpty()) {
        if (Type == QTextDocument::ImageResource) {
            QImage Picture(Path);
            if (!Picture.isNull())
                return Picture;
        }
        return {};
    }
    // Nothing else is fetched: pages are self-contained.
    return {};
}

void TOrvWebBrowser::mouseDoubleClickEvent(QMouseEvent* Event) {
    QTextBrowser::mouseDoubleClickEvent(Event);
    QTextCursor Cursor = textCursor();
    if (!Cursor.hasSelection()) {
        Cursor = cursorForPosition(Event->position().toPoint());
        Cursor.select(QTextCursor::WordUnderCursor);
        setTextCursor(Cursor);
    }
    emit WordDoubleClicked(Cursor.selectedText());
}

std::vector<TOrvWebBrowser::TAnchor> TOrvWebBrowser::Anchors() const {
    std::vector<TAnchor> Out;
    for (QTextBlock Block = document()->begin(); Block.isValid(); Block = Block.next()) {
        for (auto It = Block.begin(); !It.atEnd(); ++It) {
            const QTextFragment Fragment = It.fragment();
            if (!Fragment.isValid())
                continue;
            for (const QString& Name : Fragment.charFormat().anchorNames()) {
                if (Out.empty() || Out.back().Name != Name.toStdString() ||
                    Out.back().Position != Fragment.position())
                    Out.push_back({Name.toStdString(), Fragment.position()});
            }
        }
    }
    return Out;
}

std::vector<std::string> TOrvWebBrowser::AnchorNames() const {
    std::vector<std::string> Names;
    for (const auto& A : Anchors())
        Names.push_back(A.Name);
    return Names;
}

void TOrvWebBrowser::ScrollAnchorIntoView(int Index) {
    const auto List = Anchors();
    if (Index < 0 || Index >= static_cast<int>(List.size()))
        return;
    QTextCursor Cursor(document());
    Cursor.setPosition(List[static_cast<size_t>(Index)].Position);
    const QRect R = cursorRect(Cursor);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + R.top());
}

void TOrvWebBrowser::ScrollToAnchor(const std::string& Text) {
    const auto List = Anchors();
    for (size_t i = 0; i < List.size(); ++i)
        if (List[i].Name.find(Text) != std::string::npos)
            ScrollAnchorIntoView(static_cast<int>(i));
}

std::string TOrvWebBrowser::GetSelectedText() const {
    QString Text = textCursor().selectedText();
    Text.replace(QChar::ParagraphSeparator, '\n');
    return Text.toStdString();
}
