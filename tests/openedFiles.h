#pragma once

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <string>
#include <vector>

// Names of the files opened in the folder that the inotify descriptor `watch` watches
// (IN_OPEN) since the last call, waiting up to `waitMs` for the first one; "media/" stands
// for the folder itself.
inline std::vector<std::string> readOpenedFiles(int watch, int waitMs) {
    std::vector<std::string> names;
    pollfd ready = {watch, POLLIN, 0};
    if (poll(&ready, 1, waitMs) <= 0) {
        return names;
    }
    alignas(inotify_event) char buffer[4096];
    ssize_t length;
    while ((length = read(watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            names.push_back(event->len > 0 ? event->name : "media/");
            at += sizeof(inotify_event) + event->len;
        }
    }
    return names;
}
