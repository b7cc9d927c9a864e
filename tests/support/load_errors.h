// The message a content reader refuses a file with, or "accepted" when it takes the file.
#pragma once
#include <string>

#include "base/load_error.h"

template <typename Read>
std::string LoadErrorOf(Read&& read) {
    try {
        read();
    } catch (const WorldLoadError& error) {
        return error.what();
    }
    return "accepted";
}
