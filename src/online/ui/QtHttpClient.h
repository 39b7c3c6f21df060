// The network side of the online services' HTTP client: a blocking GET that
// keeps the windows painting while it waits, bounded by its time-out.
#pragma once

#include "online/HttpClient.h"

class TQtHttpClient : public THttpClient {
public:
    // Each call uses its own network manager, so no connection or cache is
    // kept between requests. Input events wait until the request is over;
    // paint and timer events run meanwhile.
    THttpResponse Get(const std::string& Url, int TimeoutMs, const std::string& ProxyHost,
                      int ProxyPort) override;
};
