// The export macro of the deck import library, as the core library's own (see
// Orv/Tess/Varnak/Export.h): the library is built with hidden visibility, and its build
// defines ORV_TESS_VARNAK_DECK_BUILDING so that a Windows DLL exports what is marked.
#ifndef ORV_TESS_VARNAK_DECK_EXPORT_H
#define ORV_TESS_VARNAK_DECK_EXPORT_H

#if defined(_WIN32)
#if defined(ORV_TESS_VARNAK_DECK_BUILDING)
#define ORV_TESS_VARNAK_DECK_API __declspec(dllexport)
#else
#define ORV_TESS_VARNAK_DECK_API __declspec(dllimport)
#endif
#else
#define ORV_TESS_VARNAK_DECK_API __attribute__((visibility("default")))
#endif

#endif  // ORV_TESS_VARNAK_DECK_EXPORT_H
