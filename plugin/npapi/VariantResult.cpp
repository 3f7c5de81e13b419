#include "npapi/VariantResult.h"

#include "npapi/HostFuncs.h"

#include <cstring>

void SetNumberResult(NPVariant* result, int32_t value)
{
    result->type = NPVariantType_Int32;
    result->value.intValue = value;
}

int32_t SetTextResult(NPVariant* result, const std::string& text)
{
    char* buffer = static_cast<char*>(NPN_MemAlloc(static_cast<uint32_t>(text.size() + 1)));
    if (!buffer) {
        result->type = NPVariantType_Void;
        return 1;
    }
    memset(buffer, 0, text.size() + 1);
    memcpy(buffer, text.data(), text.size());
    result->type = NPVariantType_String;
    result->value.stringValue.UTF8Characters = buffer;
    result->value.stringValue.UTF8Length = static_cast<uint32_t>(strlen(buffer));
    return 0;
}
