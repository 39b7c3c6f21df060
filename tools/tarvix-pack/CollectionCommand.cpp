// "collection": makes one collection file from one collection source.
#include "ContentBuild.h"
#include "ContentSources.h"
#include "PackCommand.h"
#include "data/TxError.h"

#include <iostream>

namespace {

int RunCollection(const TArgs& Given) {
    TArgs Args = Given;
    std::string Out = TakeOption(Args, "--out");
    const std::string Monajat = TakeOption(Args, "--monajat");
    if (Args.size() != 1)
        throw EUsage{"expected one SOURCE"};
    const std::string Source = Args[0];
    const TCollectionBuild Collection = ReadCollectionSource(Source, Source, Monajat);
    if (Out.empty())
        Out = Collection.FileName;
    std::string Bytes;
    try {
        Bytes = CollectionFileText(Collection.Source);
    } catch (const ETxError& E) {
        throw ETxError(Source + ": " + E.what());
    }
    if (!WriteFileBytes(Out, Bytes))
        throw ETxError("cannot write \"" + Out + "\"");
    std::cout << Out << ": " << Collection.Source.Records.size() << " hadiths, " << Bytes.size()
              << " bytes\n";
    return 0;
}

TPackCommandRegistrar Register("collection",
                               "collection SOURCE.json [--out FILE.dbh] [--monajat FILE]",
                               RunCollection);

} // namespace
