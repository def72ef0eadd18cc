#pragma once

// Marks a table's English text for the translation catalogues: lupdate reads
// the mark and its context, the program sees the text unchanged. The windows
// and documents show such a text in the language in use by looking it up in
// the same context. The definition is the one Qt gives the macro, so the two
// agree wherever both are seen.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
