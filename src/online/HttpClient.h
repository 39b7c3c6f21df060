// The HTTP client the online services use: one blocking GET of a full
// address with a time-out and an optional HTTP proxy. The Qt program gives
// the network implementation; tests give a fake.
#pragma once

#include <string>

// The time-out of every request of the online services.
inline constexpr int HttpTimeoutMs = 2500;
// The proxy port used when none (or no number) is given.
inline constexpr int DefaultProxyPort = 8080;

struct THttpResponse {
    // True when the server answered with an HTTP status line, whatever the
    // status; false for no connection, host not found, refusal, time-out.
    bool Connected = false;
    // The status line and the header lines, CR LF after each, as the server
    // sent them ("HTTP/1.1 404 Not Found\r\nContent-Type: ...\r\n").
    std::string Header;
    std::string Body;
    int Status = 0;    // the HTTP status, 0 without an answer
    std::string Error; // why there was no answer; empty otherwise
};

class THttpClient {
public:
    virtual ~THttpClient() = default;
    // GET of a full address ("http://host[:port]/path?query"). The call
    // returns within TimeoutMs. An empty ProxyHost means a direct request;
    // otherwise the request goes through the HTTP proxy ProxyHost:ProxyPort.
    // Redirections are not followed: their status is the answer.
    virtual THttpResponse Get(const std::string& Url, int TimeoutMs, const std::string& ProxyHost,
                              int ProxyPort) = 0;
};

// "http://" + Host + Path, with "/" put in front of a Path that lacks it.
// A Host that already names its scheme is kept as it is.
std::string HttpUrl(const std::string& Host, const std::string& Path);
// The number in Text when it is an integer text, else DefaultProxyPort.
int ProxyPortFromText(const std::string& Text);
