// Reading UTF-8 and the Windows-1250 codes, against the C library's converters.
#include "check.h"
#include "encoding.h"
#include "reference.h"

#include <string>
#include <string_view>

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::u32string read;
    bool invalid = false;
    for (Utf8Reader reader(text); !reader.atEnd();) {
        const char32_t c = reader.next();
        invalid = invalid || c == Utf8Reader::kInvalid;
        require(read.size() < size, "every character read takes at least one byte", text);
        read += c;
        require(windows1250Code(c) == (c == Utf8Reader::kInvalid ? kNoWindows1250Code : cp1250Code(c)),
                "a character's Windows-1250 code is the code page's", text);
    }
    require(characterCount(text) == read.size(), "the character count is the characters read", text);

    const std::optional<std::u32string> reference = decodeUtf8(text);
    if (reference) {
        require(!invalid && read == *reference, "valid UTF-8 reads as the converter decodes it", text);
    } else {
        require(invalid, "malformed UTF-8 reads as at least one invalid character", text);
    }
    require(isDigitsOnly(text) == isDigits(text), "a text is digits only when every byte is a digit", text);
    return 0;
}
