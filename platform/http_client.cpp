// HttpClient: one bounded blocking GET over libcurl.
#include <curl/curl.h>

#include <mutex>

#include "platform/platform.h"

namespace platform {

namespace {

struct Sink {
    std::string* body;
    size_t limit;
    bool overflow = false;
};

// Returning less than was offered makes libcurl stop with a write error.
size_t Collect(char* data, size_t size, size_t count, void* user)
{
    Sink& sink = *static_cast<Sink*>(user);
    const size_t bytes = size * count;
    if (sink.body->size() + bytes > sink.limit) {
        sink.overflow = true;
        return 0;
    }
    sink.body->append(data, bytes);
    return bytes;
}

}  // namespace

HttpClient::HttpClient(HttpLimits limits) : limits_(limits)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

HttpReply HttpClient::Get(const std::string& url) const
{
    HttpReply reply;
    CURL* curl = curl_easy_init();
    if (curl == nullptr) {
        reply.error = "no HTTP handle";
        return reply;
    }
    Sink sink{&reply.body, limits_.maxReplyBytes};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits_.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits_.requestTimeoutMs);
    // Time-outs by signal are not safe on a worker thread; the resolver runs threaded instead.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxReplyBytes));
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Pebbledash");

    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);

    if (sink.overflow || code == CURLE_FILESIZE_EXCEEDED) {
        reply.error = "reply longer than " + std::to_string(limits_.maxReplyBytes) + " bytes";
    } else if (code != CURLE_OK) {
        reply.error = curl_easy_strerror(code);
    } else if (status < 200 || status > 299) {
        reply.error = "HTTP status " + std::to_string(status);
    } else {
        reply.ok = true;
    }
    return reply;
}

}  // namespace platform
