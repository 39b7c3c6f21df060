// "inspect": prints as JSON what the program's loaders read from one content
// file; exits non-zero when they reject it.
#include "ContentReadout.h"
#include "PackCommand.h"

#include <QJsonDocument>

#include <iostream>

namespace {

int RunInspect(const TArgs& Given) {
    TArgs Args = Given;
    const std::string KindWord = TakeOption(Args, "--kind");
    const bool Compact = TakeFlag(Args, "--compact");
    if (Args.size() != 1)
        throw EUsage{"expected one FILE"};
    TContentKind Kind = KindWord.empty() ? KindOfFile(Args[0]) : KindNamed(KindWord);
    if (Kind == TContentKind::Unknown)
        throw EUsage{KindWord.empty()
                         ? "cannot tell the kind of \"" + Args[0] + "\" from its name; give --kind"
                         : "unknown kind \"" + KindWord + "\""};
    const TInspection Inspection = InspectFile(Args[0], Kind);
    const QByteArray Json = QJsonDocument(Inspection.Json)
                                .toJson(Compact ? QJsonDocument::Compact : QJsonDocument::Indented);
    std::cout.write(Json.constData(), Json.size());
    if (Compact)
        std::cout << '\n';
    if (!Inspection.Valid)
        std::cerr << "tarvix-pack inspect: " << Args[0] << ": " << Inspection.Reason << '\n';
    return Inspection.Valid ? 0 : 1;
}

TPackCommandRegistrar Register("inspect",
                               "inspect FILE [--kind collection|document|categories|glossary|"
                               "audio|module|bookmarks] [--compact]",
                               RunInspect);

} // namespace
