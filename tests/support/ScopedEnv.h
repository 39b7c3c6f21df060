// Sets an environment variable for as long as the object lives, then puts
// back what was there before.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class TScopedEnv {
public:
    TScopedEnv(const char* Name, const std::string& Value) : FName(Name) {
        if (const char* Old = std::getenv(Name))
            FOld = Old;
        setenv(Name, Value.c_str(), 1);
    }
    ~TScopedEnv() {
        if (FOld)
            setenv(FName.c_str(), FOld->c_str(), 1);
        else
            unsetenv(FName.c_str());
    }
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;

private:
    std::string FName;
    std::optional<std::string> FOld;
};
