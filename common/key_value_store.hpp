#pragma once
// placeholder: the key-value store interface under the registry helper.
namespace karvelo {
class KeyValueStore;
}
