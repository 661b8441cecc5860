#pragma once
// One table of registry helper cases, run against every key-value store: the in-memory
// fake natively and the real registry under Wine. A test program includes this header once
// and instantiates RegistryContract with its backends.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/registry_helper.hpp"
#include "common/testing/memory_key_value_store.hpp"

namespace karvelo::testing {

struct RegistryBackend {
    std::unique_ptr<KeyValueStore> store;
    // An existing, empty key below HKEY_CURRENT_USER, ending in "\" and unique to the test.
    std::string base;
    // Makes a key below HKEY_CURRENT_USER readable only; false when the backend cannot.
    std::function<bool(const std::string& subkey)> denyWrites;
    // Keys opened and not closed yet, where the backend can tell.
    std::function<std::size_t()> openKeys;
    // Removes what the test left behind once the last owner lets go of it.
    std::shared_ptr<void> cleanup;
};

using RegistryBackendFactory = std::function<RegistryBackend()>;

class RegistryContract
    : public ::testing::TestWithParam<std::pair<const char*, RegistryBackendFactory>> {
protected:
    // One call of the helper with its result written as text and the message it leaves.
    struct Call {
        const char* name;
        std::function<std::string()> run;
        std::string result;
        std::string error;
    };

    void SetUp() override {
        b_ = GetParam().second();
        helper_.emplace(*b_.store, error_);
    }

    void TearDown() override {
        for (auto it = classKeys_.rbegin(); it != classKeys_.rend(); ++it) {
            b_.store->deleteKey(kClassesRoot, *it);
        }
        if (b_.openKeys) {
            EXPECT_EQ(b_.openKeys(), 0u) << "a key was left open";
        }
    }

    RegistryHelper& reg() { return *helper_; }
    std::string at(std::string_view subkey) const { return b_.base + std::string(subkey); }
    // The same path written with the one leading "\" that callers may add.
    std::string withBackslash(std::string_view subkey) const {
        std::string path = "\\";
        return path += at(subkey);
    }
    // The last name of the base key, to make names elsewhere in the registry unique too.
    std::string tag() const {
        const std::string path = b_.base.substr(0, b_.base.size() - 1);
        return path.substr(path.rfind('\\') + 1);
    }

    // Arranging and inspecting go to the store directly, not through the helper under test.
    void makeKey(RootKey root, const std::string& subkey) {
        ASSERT_TRUE(b_.store->createKey(root, subkey)) << subkey;
        if (root == kClassesRoot) classKeys_.push_back(subkey);
    }
    void putValue(RootKey root, const std::string& subkey, std::string_view name,
                  std::uint32_t type, std::string_view bytes) {
        makeKey(root, subkey);
        ASSERT_TRUE(b_.store->openKey(root, subkey, KeyAccess::Full).set(name, type, bytes));
    }
    void putValue(std::string_view subkey, std::string_view name, std::uint32_t type,
                  std::string_view bytes) {
        putValue(kCurrentUser, at(subkey), name, type, bytes);
    }
    std::optional<ValueData> storedValue(std::string_view subkey, std::string_view name) {
        return b_.store->openKey(kCurrentUser, at(subkey), KeyAccess::Read).read(name, 1 << 20);
    }

    void expectCalls(const std::vector<Call>& calls) {
        for (const Call& call : calls) {
            SCOPED_TRACE(call.name);
            error_.set("stale message");
            EXPECT_EQ(call.run(), call.result);
            EXPECT_EQ(reg().HelperLastError(), call.error);
        }
    }

    static std::string text(std::int64_t number) { return std::to_string(number); }

    HelperError error_;
    RegistryBackend b_;
    std::optional<RegistryHelper> helper_;
    std::vector<std::string> classKeys_;  // below HKEY_CLASSES_ROOT, parents first
};

TEST_P(RegistryContract, ArgumentsAreCheckedInOrder) {
    const std::string missing = at("Missing\\");
    const std::string base = at("");
    // clang-format off
    expectCalls({
        {"root 0", [&] { return text(reg().RegistryKeyExists(0, "Software\\")); }, "0", "ERROR, #HKEY is empty"},
        {"root after the last", [&] { return text(reg().RegistryCreateKey(0x80000007u, base)); }, "0", "ERROR, #HKEY is empty"},
        {"root before subkey", [&] { return text(reg().RegistryReadNumber(0, "", "")); }, "0", "ERROR, #HKEY is empty"},
        {"root of a text read", [&] { return reg().RegistryReadText(0x7FFFFFFFu, base, "x"); }, "", "ERROR, #HKEY is empty"},
        {"empty subkey, exists", [&] { return text(reg().RegistryKeyExists(kCurrentUser, "")); }, "0", "ERROR, subkeyname is empty"},
        {"empty subkey, create", [&] { return text(reg().RegistryCreateKey(kCurrentUser, "")); }, "0", "ERROR, subkeyname is empty"},
        {"subkey before value name", [&] { return text(reg().RegistryWriteNumber(kCurrentUser, "", "", 1)); }, "0", "ERROR, subkeyname is empty"},
        {"empty subkey, delete value", [&] { return text(reg().RegistryDeleteValue(kCurrentUser, "", "x")); }, "0", "ERROR, subkeyname is empty"},
        {"empty subkey, delete key", [&] { return text(reg().RegistryDeleteKey(kCurrentUser, "")); }, "0", "ERROR, subkeyname is empty"},
        {"value name before key", [&] { return text(reg().RegistryWriteNumber(kCurrentUser, missing, "", 1)); }, "0", "ERROR, valuename is empty"},
        {"number read without name", [&] { return text(reg().RegistryReadNumber(kCurrentUser, base, "")); }, "0", "ERROR, valuename is empty"},
        {"missing key, exists", [&] { return text(reg().RegistryKeyExists(kCurrentUser, missing)); }, "0", "ERROR, sub key not found"},
        {"missing key, write text", [&] { return text(reg().RegistryWriteText(kCurrentUser, missing, "", "x")); }, "0", "ERROR, sub key dont exist"},
        {"missing key, read text", [&] { return reg().RegistryReadText(kCurrentUser, missing, "x"); }, "", "ERROR, sub key dont exist"},
        {"missing key, write number", [&] { return text(reg().RegistryWriteNumber(kCurrentUser, missing, "n", 1)); }, "0", "ERROR, sub key dont exist"},
        {"missing key, read number", [&] { return text(reg().RegistryReadNumber(kCurrentUser, missing, "n")); }, "0", "ERROR, sub key dont exist"},
        {"missing key, delete value", [&] { return text(reg().RegistryDeleteValue(kCurrentUser, missing, "x")); }, "0", "ERROR, sub key dont exist"},
        {"missing key, delete key", [&] { return text(reg().RegistryDeleteKey(kCurrentUser, missing)); }, "0", "ERROR, sub key dont exist"},
    });
    // clang-format on
    EXPECT_FALSE(b_.store->openKey(kCurrentUser, missing, KeyAccess::Read))
        << "a write created the missing key";
}

TEST_P(RegistryContract, TextsAreStoredWithTheirTerminatorAndReadBack) {
    const struct {
        const char* name;
        std::string valueName;
        std::string text;
    } cases[] = {
        {"folder", "SetPath", "C:\\PROGRAMME\\KARVELO\\"},
        {"ANSI letters", "Text", "Löschen Änderung can´t"},
        {"empty text", "Empty", ""},
        {"default value", "", "\"C:\\Programme\\Karvelo\\KarveloRead.exe\" \"%1\""},
        {"longer than the scratch buffers", "Long", std::string(5000, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        error_.set("stale message");
        EXPECT_EQ(reg().RegistryWriteText(kCurrentUser, at(""), c.valueName, c.text), 1);
        EXPECT_EQ(reg().HelperLastError(), "");
        const auto stored = storedValue("", c.valueName);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, kTextValue);
        EXPECT_EQ(stored->bytes, c.text + '\0');
        error_.set("stale message");
        EXPECT_EQ(reg().RegistryReadText(kCurrentUser, at(""), c.valueName), c.text);
        EXPECT_EQ(reg().HelperLastError(), "");
    }
    // A shorter text replaces the whole longer one.
    EXPECT_EQ(reg().RegistryWriteText(kCurrentUser, at(""), "Long", "short"), 1);
    EXPECT_EQ(reg().RegistryReadText(kCurrentUser, at(""), "Long"), "short");
}

TEST_P(RegistryContract, NumbersAreStoredAsFourBytesAndReadBack) {
    const std::int32_t cases[] = {0,
                                  1,
                                  -1,
                                  0x12345678,
                                  std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()};
    for (const std::int32_t number : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(reg().RegistryWriteNumber(kCurrentUser, at(""), "Number", number), 1);
        const auto stored = storedValue("", "Number");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, kNumberValue);
        const auto bits = static_cast<std::uint32_t>(number);
        EXPECT_EQ(stored->bytes,
                  std::string({static_cast<char>(bits), static_cast<char>(bits >> 8),
                               static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)}));
        error_.set("stale message");
        EXPECT_EQ(reg().RegistryReadNumber(kCurrentUser, at(""), "Number"), number);
        EXPECT_EQ(reg().HelperLastError(), "");
    }
}

TEST_P(RegistryContract, ReadsCheckTypeAndPresence) {
    putValue("Values\\", "Text", kTextValue, std::string("abc", 4));
    putValue("Values\\", "Unterminated", kTextValue, "abc");
    putValue("Values\\", "Empty", kTextValue, std::string(1, '\0'));
    putValue("Values\\", "Number", kNumberValue, std::string("\x07\0\0\0", 4));
    putValue("Values\\", "Wide", kNumberValue, std::string("\x07\0\0\0\0\0\0\0", 8));
    putValue("Values\\", "Big", 3, std::string(5000, '\x01'));
    const std::string key = at("Values\\");
    const auto readText = [&](const char* name) {
        return [&, name] { return reg().RegistryReadText(kCurrentUser, key, name); };
    };
    const auto readNumber = [&](const char* name) {
        return [&, name] { return text(reg().RegistryReadNumber(kCurrentUser, key, name)); };
    };
    expectCalls({
        {"text", readText("TEXT"), "abc", ""},
        {"text without terminator", readText("Unterminated"), "abc", ""},
        {"empty text", readText("Empty"), "", ""},
        {"number as text", readText("Number"), "", "ERROR, false type"},
        {"missing text", readText("Missing"), "", "ERROR, not specified message"},
        {"default value never set", readText(""), "", "ERROR, not specified message"},
        {"number", readNumber("number"), "7", ""},
        {"text as number", readNumber("Text"), "0", "ERROR, false type"},
        {"missing number", readNumber("Missing"), "0", "ERROR, not specified message"},
        {"more than the probe holds", readNumber("Big"), "0", "ERROR, not specified message"},
        {"number of eight bytes", readNumber("Wide"), "0", "ERROR, reading key"},
    });
}

TEST_P(RegistryContract, SubkeySpellingsAddressTheSameKey) {
    ASSERT_EQ(reg().RegistryCreateKey(kCurrentUser, at("Sub\\")), 1);
    ASSERT_EQ(reg().RegistryWriteText(kCurrentUser, withBackslash("Sub\\"), "Name", "value"), 1);
    std::string upper = at("SUB\\");
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string& spelling : {at("Sub\\"), at("Sub"), withBackslash("sub"), upper}) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(reg().RegistryReadText(kCurrentUser, spelling, "NAME"), "value");
    }
}

TEST_P(RegistryContract, SingleBackslashAddressesTheRootWhichIsNeverDeleted) {
    // clang-format off
    expectCalls({
        {"exists", [&] { return text(reg().RegistryKeyExists(kCurrentUser, "\\")); }, "1", ""},
        {"exists below", [&] { return text(reg().RegistryKeyExists(kCurrentUser, "\\Software")); }, "1", ""},
        {"delete", [&] { return text(reg().RegistryDeleteKey(kCurrentUser, "\\")); }, "0", "ERROR, can´t delete subkey"},
    });
    // clang-format on
    EXPECT_EQ(reg().RegistryKeyExists(kCurrentUser, at("")), 1);
}

TEST_P(RegistryContract, CreateKeyMakesEveryMissingLevelAndAcceptsExistingKeys) {
    // clang-format off
    expectCalls({
        {"new path", [&] { return text(reg().RegistryCreateKey(kCurrentUser, at("A\\B\\C\\"))); }, "1", ""},
        {"existing", [&] { return text(reg().RegistryCreateKey(kCurrentUser, at("a\\b\\c\\"))); }, "1", ""},
        {"middle level", [&] { return text(reg().RegistryKeyExists(kCurrentUser, at("A\\B\\"))); }, "1", ""},
    });
    // clang-format on
}

TEST_P(RegistryContract, DeleteKeyOnlyWhenItHasNoSubkeys) {
    makeKey(kCurrentUser, at("Outer\\Inner\\"));
    putValue("Outer\\Inner\\", "Name", kTextValue, std::string("x", 2));
    // clang-format off
    expectCalls({
        {"with subkey", [&] { return text(reg().RegistryDeleteKey(kCurrentUser, at("Outer\\"))); }, "0", "ERROR, can´t delete subkey"},
        {"still there", [&] { return text(reg().RegistryKeyExists(kCurrentUser, at("Outer\\Inner\\"))); }, "1", ""},
        {"deepest first", [&] { return text(reg().RegistryDeleteKey(kCurrentUser, at("Outer\\Inner\\"))); }, "1", ""},
        {"then the parent", [&] { return text(reg().RegistryDeleteKey(kCurrentUser, withBackslash("Outer"))); }, "1", ""},
        {"gone", [&] { return text(reg().RegistryKeyExists(kCurrentUser, at("Outer\\"))); }, "0", "ERROR, sub key not found"},
    });
    // clang-format on
}

TEST_P(RegistryContract, DeleteValue) {
    putValue("", "Name", kTextValue, std::string("x", 2));
    putValue("", "", kTextValue, std::string("default", 8));
    const std::string key = at("");
    // clang-format off
    expectCalls({
        {"existing", [&] { return text(reg().RegistryDeleteValue(kCurrentUser, key, "name")); }, "1", ""},
        {"gone", [&] { return reg().RegistryReadText(kCurrentUser, key, "Name"); }, "", "ERROR, not specified message"},
        {"missing", [&] { return text(reg().RegistryDeleteValue(kCurrentUser, key, "Name")); }, "0", "ERROR, can´t delete value"},
        {"default value", [&] { return text(reg().RegistryDeleteValue(kCurrentUser, key, "")); }, "1", ""},
    });
    // clang-format on
}

TEST_P(RegistryContract, HelperLastErrorHandsOutTheMessageOnce) {
    EXPECT_EQ(reg().RegistryWriteNumber(kCurrentUser, at(""), "", 1), 0);
    EXPECT_EQ(reg().HelperLastError(), "ERROR, valuename is empty");
    EXPECT_EQ(reg().HelperLastError(), "");
}

// A key that may be read but not written, as under HKEY_LOCAL_MACHINE for a user without
// administrator rights: every write must report its failure.
TEST_P(RegistryContract, KeyThatCannotBeWritten) {
    putValue("Locked\\", "Name", kTextValue, std::string("old", 4));
    if (!b_.denyWrites || !b_.denyWrites(at("Locked\\"))) {
        GTEST_SKIP() << "this backend cannot deny writes";
    }
    const std::string key = at("Locked\\");
    // clang-format off
    expectCalls({
        {"exists", [&] { return text(reg().RegistryKeyExists(kCurrentUser, key)); }, "1", ""},
        {"read", [&] { return reg().RegistryReadText(kCurrentUser, key, "Name"); }, "old", ""},
        {"write text", [&] { return text(reg().RegistryWriteText(kCurrentUser, key, "Name", "new")); }, "0", "ERROR, can´t write value"},
        {"write number", [&] { return text(reg().RegistryWriteNumber(kCurrentUser, key, "N", 1)); }, "0", "ERROR, can´t write value"},
        {"delete value", [&] { return text(reg().RegistryDeleteValue(kCurrentUser, key, "Name")); }, "0", "ERROR, can´t delete value"},
        {"create", [&] { return text(reg().RegistryCreateKey(kCurrentUser, key)); }, "0", "ERROR, false type"},
        {"unchanged", [&] { return reg().RegistryReadText(kCurrentUser, key, "Name"); }, "old", ""},
    });
    // clang-format on
}

TEST_P(RegistryContract, ValueThatCannotBeStoredIsNotReportedAsWritten) {
    const std::string tooLong(MemoryKeyValueStore::kMaxValueName + 1, 'n');
    // clang-format off
    expectCalls({
        {"text", [&] { return text(reg().RegistryWriteText(kCurrentUser, at(""), tooLong, "x")); }, "0", "ERROR, can´t write value"},
        {"number", [&] { return text(reg().RegistryWriteNumber(kCurrentUser, at(""), tooLong, 1)); }, "0", "ERROR, can´t write value"},
    });
    // clang-format on
}

TEST_P(RegistryContract, AssociatedProgramIsThePathOfTheOpenCommand) {
    const struct {
        const char* name;
        std::optional<std::string> fileClass;  // nothing: no class registered
        std::optional<std::string> command;    // nothing: the class has no open command
        std::string program;
    } cases[] = {
        {"quoted path with arguments", "Web", "\"C:\\Program Files\\Web\\web.exe\" -url \"%1\"",
         "C:\\Program Files\\Web\\web.exe"},
        {"unquoted path with arguments", "Web", "C:\\Web\\web.exe %1", "C:\\Web\\web.exe"},
        {"upper case, nothing after", "Web", "C:\\WEB\\WEB.EXE", "C:\\WEB\\WEB.EXE"},
        {"no program file", "Web", "\"web\" --url %1", "\"web\" --url %1"},
        {"class without command", "Web", std::nullopt, ""},
        {"empty class", "", std::nullopt, ""},
        {"no class", std::nullopt, std::nullopt, ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string extension = "kvt" + tag() + std::to_string(++n);
        if (c.fileClass) {
            const std::string fileClass =
                c.fileClass->empty() ? "" : "Karvelo.Test" + tag() + std::to_string(n);
            putValue(kClassesRoot, "." + extension, "", kTextValue, fileClass + '\0');
            if (c.command) {
                makeKey(kClassesRoot, fileClass);
                makeKey(kClassesRoot, fileClass + "\\Shell");
                makeKey(kClassesRoot, fileClass + "\\Shell\\Open");
                putValue(kClassesRoot, fileClass + "\\Shell\\Open\\Command", "", kTextValue,
                         *c.command + '\0');
            }
        }
        error_.set("stale message");
        EXPECT_EQ(reg().AssociatedProgram(extension), c.program);
        EXPECT_EQ(error_.text(), "stale message") << "the error text is not touched";
    }
}

TEST(RegistryHelperBinaryText, LeftmostDigitIsTheMostSignificantBit) {
    MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper reg(store, error);
    std::string spacedOnes;
    for (int i = 0; i < 32; ++i) spacedOnes += " 1";
    const struct {
        std::string text;
        std::int64_t number;
        std::string error;
    } cases[] = {
        {"1 0 1", 5, ""},
        {"0", 0, ""},
        {std::string("1").append(31, '0'), 2147483648, ""},
        {spacedOnes, 4294967295, ""},
        {"", 0, "ERROR, string to long or empty"},
        {"   ", 0, "ERROR, string to long or empty"},
        {std::string(33, '1'), 0, "ERROR, string to long or empty"},
        {"1 0 2", 0, "ERROR, false sign into the string"},
        {"1\t0", 0, "ERROR, false sign into the string"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        error.set("stale message");
        EXPECT_EQ(reg.BinaryTextToNumber(c.text), c.number);
        EXPECT_EQ(reg.HelperLastError(), c.error);
    }
}

}  // namespace karvelo::testing
