#include "common/registry_helper.hpp"

#include <algorithm>
#include <iterator>
#include <optional>

#include "common/text.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kNoRoot = "ERROR, #HKEY is empty";
constexpr std::string_view kNoSubkey = "ERROR, subkeyname is empty";
constexpr std::string_view kNoValueName = "ERROR, valuename is empty";
constexpr std::string_view kKeyMissing = "ERROR, sub key dont exist";
constexpr std::string_view kKeyNotFound = "ERROR, sub key not found";
constexpr std::string_view kFalseType = "ERROR, false type";
constexpr std::string_view kCannotWrite = "ERROR, can´t write value";
constexpr std::string_view kCannotDeleteValue = "ERROR, can´t delete value";
constexpr std::string_view kCannotDeleteKey = "ERROR, can´t delete subkey";
constexpr std::string_view kReadFailed = "ERROR, reading key";
constexpr std::string_view kNotSpecified = "ERROR, not specified message";
constexpr std::string_view kBadLength = "ERROR, string to long or empty";
constexpr std::string_view kBadDigit = "ERROR, false sign into the string";

// The number probe reads into a scratch buffer of this size; the class and command of
// a file type are read into buffers of 255 bytes.
constexpr std::size_t kProbeSize = 4096;
constexpr std::size_t kClassBufferSize = 255;

bool isRoot(RootKey root) {
    return root >= kClassesRoot && root <= kDynData;
}

// Callers may write the subkey with one leading "\"; the platform wants it without.
std::string_view withoutLeadingBackslash(std::string_view subkey) {
    if (!subkey.empty() && subkey.front() == '\\') subkey.remove_prefix(1);
    return subkey;
}

// The default value of a key below HKEY_CLASSES_ROOT as text, up to its terminator.
std::optional<std::string> classesRootDefault(KeyValueStore& store, const std::string& subkey) {
    const auto key = store.openKey(kClassesRoot, subkey, KeyAccess::Read);
    const auto data = key.read("", kClassBufferSize);
    if (!data) return std::nullopt;
    return data->bytes.substr(0, data->bytes.find('\0'));
}

}  // namespace

bool RegistryHelper::checkArguments(RootKey root, std::string_view subkey,
                                    std::string_view valueName, Needs needs) {
    error_.clear();
    if (!isRoot(root)) {
        error_.set(kNoRoot);
        return false;
    }
    if (subkey.empty()) {
        error_.set(kNoSubkey);
        return false;
    }
    if (needs == Needs::ExistingKeyAndValueName && valueName.empty()) {
        error_.set(kNoValueName);
        return false;
    }
    // Checking first means a write never creates a missing key.
    if (needs != Needs::Nothing && RegistryKeyExists(root, subkey) != 1) {
        error_.set(kKeyMissing);
        return false;
    }
    return true;
}

int RegistryHelper::RegistryKeyExists(RootKey root, std::string_view subkey) {
    if (!checkArguments(root, subkey, {}, Needs::Nothing)) return 0;
    if (!store_.openKey(root, withoutLeadingBackslash(subkey), KeyAccess::Read)) {
        error_.set(kKeyNotFound);
        return 0;
    }
    return 1;
}

int RegistryHelper::RegistryCreateKey(RootKey root, std::string_view subkey) {
    if (!checkArguments(root, subkey, {}, Needs::Nothing)) return 0;
    if (!store_.createKey(root, withoutLeadingBackslash(subkey))) {
        error_.set(kFalseType);
        return 0;
    }
    return 1;
}

int RegistryHelper::writeValue(RootKey root, std::string_view subkey, std::string_view valueName,
                               std::uint32_t type, std::string_view bytes) {
    const auto key = store_.openKey(root, withoutLeadingBackslash(subkey), KeyAccess::Full);
    // A value that was not stored is a failed write too: the write probe for
    // administrator rights depends on this result.
    if (!key.set(valueName, type, bytes)) {
        error_.set(kCannotWrite);
        return 0;
    }
    return 1;
}

int RegistryHelper::RegistryWriteText(RootKey root, std::string_view subkey,
                                      std::string_view valueName, std::string_view text) {
    if (!checkArguments(root, subkey, valueName, Needs::ExistingKey)) return 0;
    std::string data(text);
    data += '\0';
    return writeValue(root, subkey, valueName, kTextValue, data);
}

int RegistryHelper::RegistryWriteNumber(RootKey root, std::string_view subkey,
                                        std::string_view valueName, std::int32_t number) {
    if (!checkArguments(root, subkey, valueName, Needs::ExistingKeyAndValueName)) return 0;
    const auto bits = static_cast<std::uint32_t>(number);
    const char data[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                          static_cast<char>((bits >> 16) & 0xFF),
                          static_cast<char>((bits >> 24) & 0xFF)};
    return writeValue(root, subkey, valueName, kNumberValue, std::string_view(data, 4));
}

std::string RegistryHelper::RegistryReadText(RootKey root, std::string_view subkey,
                                             std::string_view valueName) {
    if (!checkArguments(root, subkey, valueName, Needs::ExistingKey)) return {};
    const auto key = store_.openKey(root, withoutLeadingBackslash(subkey), KeyAccess::Read);
    const auto info = key.query(valueName);
    if (!info) {
        error_.set(kNotSpecified);
        return {};
    }
    if (info->type != kTextValue) {
        error_.set(kFalseType);
        return {};
    }
    const auto data = key.read(valueName, info->size);
    if (!data) {
        error_.set(kReadFailed);
        return {};
    }
    // Zero bytes are skipped so that the terminator does not become part of the text.
    std::string text;
    text.reserve(data->bytes.size());
    std::copy_if(data->bytes.begin(), data->bytes.end(), std::back_inserter(text),
                 [](char c) { return c != '\0'; });
    return text;
}

std::int32_t RegistryHelper::RegistryReadNumber(RootKey root, std::string_view subkey,
                                                std::string_view valueName) {
    if (!checkArguments(root, subkey, valueName, Needs::ExistingKeyAndValueName)) return 0;
    const auto key = store_.openKey(root, withoutLeadingBackslash(subkey), KeyAccess::Read);
    const auto probe = key.read(valueName, kProbeSize);
    if (!probe) {
        error_.set(kNotSpecified);
        return 0;
    }
    if (probe->type != kNumberValue) {
        error_.set(kFalseType);
        return 0;
    }
    const auto data = key.read(valueName, 4);
    if (!data) {
        error_.set(kReadFailed);
        return 0;
    }
    // Little-endian as stored; a shorter value leaves the high bytes zero.
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < data->bytes.size(); ++i) {
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(data->bytes[i])) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

int RegistryHelper::RegistryDeleteValue(RootKey root, std::string_view subkey,
                                        std::string_view valueName) {
    if (!checkArguments(root, subkey, valueName, Needs::ExistingKey)) return 0;
    const auto key = store_.openKey(root, withoutLeadingBackslash(subkey), KeyAccess::Full);
    // A key that cannot be opened for deleting reports the failure with the same message,
    // so that callers testing the error text do not take it for success.
    if (!key.deleteValue(valueName)) {
        error_.set(kCannotDeleteValue);
        return 0;
    }
    return 1;
}

int RegistryHelper::RegistryDeleteKey(RootKey root, std::string_view subkey) {
    if (!checkArguments(root, subkey, {}, Needs::ExistingKey)) return 0;
    const std::string_view path = withoutLeadingBackslash(subkey);
    // A path of backslashes alone addresses the root itself, which is never deleted.
    const bool namesKey = path.find_first_not_of('\\') != std::string_view::npos;
    if (!namesKey || !store_.deleteKey(root, path)) {
        error_.set(kCannotDeleteKey);
        return 0;
    }
    return 1;
}

std::int64_t RegistryHelper::BinaryTextToNumber(std::string_view text) {
    error_.clear();
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c != ' '; });
    if (digits.empty() || digits.size() > 32) {
        error_.set(kBadLength);
        return 0;
    }
    if (digits.find_first_not_of("01") != std::string::npos) {
        error_.set(kBadDigit);
        return 0;
    }
    // The leftmost digit is the most significant bit; a leading "1" of 32 digits stays
    // positive in 64 bits.
    std::int64_t number = 0;
    for (char digit : digits) number = number * 2 + (digit - '0');
    return number;
}

std::string RegistryHelper::AssociatedProgram(std::string_view extension) {
    std::string command;
    std::string extensionKey(extension.size() + 1, '.');
    extension.copy(extensionKey.data() + 1, extension.size());
    const auto fileClass = classesRootDefault(store_, extensionKey);
    // An empty class would address "\Shell\Open\Command" directly below the root.
    if (fileClass && !fileClass->empty()) {
        command = classesRootDefault(store_, *fileClass + "\\Shell\\Open\\Command").value_or("");
    }
    const std::size_t exe = upperAnsi(command).find(".EXE");
    if (exe == std::string::npos) return command;
    // The program path ends with ".exe"; what follows is its closing quote or the
    // arguments, neither of which belongs to the path.
    std::string program = command.substr(0, exe + 4);
    std::erase(program, '"');
    return program;
}

}  // namespace karvelo
