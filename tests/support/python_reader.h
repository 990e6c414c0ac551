// Whether the tests' independent readers can run: they are scripts for the system
// interpreter /usr/bin/python3 and its modules (ezdxf, python-docx). A test that needs
// one is skipped with the reason when it is missing, as the script checks exit 77.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>

namespace torvelix::testing {

inline constexpr const char* kPythonInterpreter = "/usr/bin/python3";

// Empty when /usr/bin/python3 imports every module named, else why not. Each module is
// tried once per test program.
inline std::string missingPython(std::initializer_list<const char*> modules) {
    if (!std::filesystem::exists(kPythonInterpreter)) {
        return std::string(kPythonInterpreter) + " is not installed";
    }
    static std::map<std::string, bool> importable;
    for (const char* module : modules) {
        auto known = importable.find(module);
        if (known == importable.end()) {
            const std::string command =
                std::string(kPythonInterpreter) + " -c 'import " + module + "' >/dev/null 2>&1";
            known = importable.emplace(module, std::system(command.c_str()) == 0).first;
        }
        if (!known->second) {
            return std::string(kPythonInterpreter) + " cannot import the module " + module;
        }
    }
    return {};
}

} // namespace torvelix::testing

// Skips the running test (from its body or its fixture's SetUp) when /usr/bin/python3
// cannot import the modules named, e.g. SKIP_WITHOUT_PYTHON("ezdxf").
#define SKIP_WITHOUT_PYTHON(...)                                                                   \
    do {                                                                                           \
        const std::string missing = ::torvelix::testing::missingPython({__VA_ARGS__});             \
        if (!missing.empty()) {                                                                    \
            GTEST_SKIP() << missing;                                                               \
        }                                                                                          \
    } while (false)
