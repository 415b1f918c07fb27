// The input as a help text resource: any bytes decode to at most half their size (up to the
// limit) in characters, and a leading byte-order mark is never shown.
#include "fuzz_common.h"
#include "help_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decode_help_text(bytes);
    FUZZ_CHECK(text.size() <= qMin<qsizetype>(qsizetype(size), kMaxHelpTextBytes) / 2);
    // A mark can come first only when the text held two of them.
    if (!text.isEmpty() && text.front() == QChar(0xFEFF))
        FUZZ_CHECK(size >= 4 && data[0] == 0xFF && data[1] == 0xFE);
    return 0;
}
