#include "workbench_paths.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

namespace host_tests {

ScratchFolder::ScratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / ("workbench_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() { std::filesystem::remove_all(path_); }

bool ScratchFolder::Empty() const { return std::filesystem::is_empty(path_); }

}  // namespace host_tests
