// Address and proxy helpers shared by the online services.
#include "online/HttpClient.h"

#include "data/TextUtils.h"

namespace {

bool StartsWithFolded(const std::string& Text, const std::string& Prefix) {
    return Text.size() >= Prefix.size() &&
           UpperCaseAscii(Text.substr(0, Prefix.size())) == UpperCaseAscii(Prefix);
}

} // namespace

std::string HttpUrl(const std::string& Host, const std::string& Path) {
    const std::string FullPath = (!Path.empty() && Path.front() == '/') ? Path : "/" + Path;
    if (StartsWithFolded(Host, "http://") || StartsWithFolded(Host, "https://"))
        return WithoutTrailingBackslash(Host) + FullPath;
    return "http://" + WithoutTrailingBackslash(Host) + FullPath;
}

int ProxyPortFromText(const std::string& Text) {
    return IsIntegerText(Text) ? StrToInt(Text) : DefaultProxyPort;
}
