// "build": turns the content sources into every content file of the program
// folder and, on request, the header of the fingerprints the program expects.
#include "ContentBuild.h"
#include "PackCommand.h"
#include "data/TextUtils.h"
#include "data/TxError.h"

#include <filesystem>
#include <iostream>

namespace {

int RunBuild(const TArgs& Given) {
    TArgs Args = Given;
    TBuildOptions Options;
    const std::string OutDir = TakeOption(Args, "--out");
    Options.SourcesDir = TakeOption(Args, "--sources", "content");
    Options.PackageDir = TakeOption(Args, "--npm");
    Options.MonajatDatabase = TakeOption(Args, "--monajat");
    const std::string Header = TakeOption(Args, "--fingerprints-header");
    if (!Args.empty())
        throw EUsage{"unexpected argument \"" + Args[0] + "\""};
    if (OutDir.empty())
        throw EUsage{"--out DIR is required"};
    while (Options.SourcesDir.size() > 1 && Options.SourcesDir.back() == '/')
        Options.SourcesDir.pop_back();

    const TContentBuild Build = BuildContent(Options);
    WriteContent(Build, OutDir);
    for (const TBuiltFile& File : Build.Files)
        std::cout << File.Path << ": " << File.Bytes.size() << " bytes, " << File.Summary
                  << ", fingerprint " << File.Fingerprint << '\n';
    if (!Header.empty()) {
        std::error_code Error;
        std::filesystem::create_directories(std::filesystem::path(Header).parent_path(), Error);
        if (Error || !WriteFileIfChanged(Header, FingerprintsHeaderText(Build)))
            throw ETxError("cannot write \"" + Header + "\"");
        std::cout << "fingerprints: " << Header << '\n';
    }
    return 0;
}

TPackCommandRegistrar Register("build",
                               "build --out DIR [--sources DIR] [--npm DIR] [--monajat FILE] "
                               "[--fingerprints-header FILE]",
                               RunBuild);

} // namespace
