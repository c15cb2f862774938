// The Windows DLL carries a version resource (what Explorer's file properties and
// installers show) built from the same identity list as getLibProperty. This test reads
// the resource back from the loaded DLL's file through the Win32 version API and holds
// it against the library's own answers, so the two can never drift apart.
#if defined(_WIN32)

#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>
#include <winver.h>

#include <cstring>
#include <string>
#include <vector>

#include "Orv/Tess/Varnak/LibraryProperties.h"

namespace ovt = Orv::Tess::Varnak;

namespace {

std::wstring widen(char const* text) { return std::wstring(text, text + std::strlen(text)); }

std::string narrow(wchar_t const* text, UINT length) {
  std::string result;
  for (UINT i = 0; i < length && text[i] != L'\0'; ++i) {
    result += text[i] < 0x80 ? static_cast<char>(text[i]) : '?';
  }
  return result;
}

// The version resource of the file the library was loaded from.
std::vector<unsigned char> readVersionResource() {
  wchar_t path[MAX_PATH];
  HMODULE const module = GetModuleHandleW(L"Orv.Tess.Varnak.dll");
  DWORD const length = module != nullptr ? GetModuleFileNameW(module, path, MAX_PATH) : 0;
  DWORD ignored = 0;
  DWORD const size = length > 0 && length < MAX_PATH ? GetFileVersionInfoSizeW(path, &ignored) : 0;
  std::vector<unsigned char> data(size);
  if (size == 0 || !GetFileVersionInfoW(path, 0, size, data.data())) {
    ADD_FAILURE() << "No version resource read from Orv.Tess.Varnak.dll (error " << GetLastError()
                  << ")";
    return {};
  }
  return data;
}

}  // namespace

TEST(VersionResource, StringsAreTheLibraryPropertiesInUsEnglishUnicode) {
  std::vector<unsigned char> data = readVersionResource();
  ASSERT_FALSE(data.empty());

  // One translation: U.S. English (0x0409) in the Unicode code page (1200), the block
  // "040904B0" that the strings live in.
  WORD* translation = nullptr;
  UINT translationBytes = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &translationBytes));
  ASSERT_EQ(translationBytes, 2 * sizeof(WORD));
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1200);

  ASSERT_EQ(ovt::getNumLibProperties(), 7);
  for (int i = 0; i < ovt::getNumLibProperties(); ++i) {
    char const* key = nullptr;
    char const* value = nullptr;
    ovt::getLibProperty(i, key, value);
    std::wstring const query = L"\\StringFileInfo\\040904B0\\" + widen(key);
    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
        << "no string " << key << " in the version resource";
    EXPECT_EQ(narrow(text, length), value) << key;
  }
}

TEST(VersionResource, NumericVersionsMatchTheFileVersionString) {
  std::vector<unsigned char> data = readVersionResource();
  ASSERT_FALSE(data.empty());

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedBytes = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedBytes));
  ASSERT_EQ(fixedBytes, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

  auto const dotted = [](DWORD most, DWORD least) {
    return std::to_string(HIWORD(most)) + "." + std::to_string(LOWORD(most)) + "." +
           std::to_string(HIWORD(least)) + "." + std::to_string(LOWORD(least));
  };
  char const* key = nullptr;
  char const* fileVersion = nullptr;
  ovt::getLibProperty(1, key, fileVersion);
  ASSERT_STREQ(key, "FileVersion");
  EXPECT_EQ(dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS), fileVersion);
  EXPECT_EQ(dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS), fileVersion);
}

#endif  // _WIN32
