#include "passagekey.h"

#include "variant.h"

namespace PassageKey {

QString Text(const platform::db::Variant &key)
{
    return key.joinText();
}

bool NamesPassage(const platform::db::Variant &key)
{
    return !Text(key).isEmpty();
}

} // namespace PassageKey
