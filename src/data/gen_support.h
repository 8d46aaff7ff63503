// Support macros of the generated tables (src/data/*.cpp).
#pragma once

#include "frame/text.h"

// KOD_T(wide, narrow): the literal of the build's text type.
#ifdef KODOWNIK_WIDE
#define KOD_T(w, a) w
#else
#define KOD_T(w, a) a
#endif

// KOD_R(text): a text whose wording was not checked against a published
// list. The verified-texts-only build leaves it null.
#ifdef KODOWNIK_VERIFIED_TEXTS_ONLY
#define KOD_R(s) nullptr
#else
#define KOD_R(s) s
#endif
