#include "viewer/core/log_file_check.hpp"

#include <gtest/gtest.h>

namespace karvelo {
namespace {

TEST(HasComExtension, AnyLetterCaseOfCom) {
    struct Case {
        std::string_view path;
        bool expected;
    } cases[] = {
        {"D:\\Logs\\Alarmlog.com", true}, {"D:\\Logs\\Alarmlog.Com", true},
        {"D:\\Logs\\Alarmlog.COM", true}, {"D:\\Logs\\log.txt", false},
        {"D:\\Logs\\Alarmlog", false},    {"D:\\v1.com\\Alarmlog", false},
        {"D:\\Logs\\x.com.bak", false},   {"D:\\Logs\\.com", true},
        {"Alarmlog.comx", false},
    };
    for (const auto& c : cases) EXPECT_EQ(hasComExtension(c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace karvelo
