#pragma once
// The about box's version text: which parts of the executable's FileVersion it shows.
#include <cstdint>
#include <initializer_list>
#include <string>

enum TVersionFormatEnum { vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation };

// A set of TVersionFormatEnum, one flag each.
class TVersionFormat {
public:
    TVersionFormat() = default;
    TVersionFormat(std::initializer_list<TVersionFormatEnum> parts)
    {
        for (auto part : parts) Include(part);
    }
    bool Has(TVersionFormatEnum part) const { return bits_ & Bit(part); }
    void Include(TVersionFormatEnum part) { bits_ = static_cast<uint8_t>(bits_ | Bit(part)); }
    void Exclude(TVersionFormatEnum part) { bits_ = static_cast<uint8_t>(bits_ & ~Bit(part)); }
    bool Empty() const { return bits_ == 0; }
    bool operator==(const TVersionFormat&) const = default;

private:
    static uint8_t Bit(TVersionFormatEnum part) { return static_cast<uint8_t>(1u << part); }
    uint8_t bits_ = 0;
};

// The set that writing value over current stores: one of the eleven shapes the version text
// knows.
TVersionFormat NormalizeVersionFormat(TVersionFormat current, TVersionFormat value);

// The version text of the running executable's FileVersion in the given format. Raises
// EConvertError "'%s' は整数ではありません" for a part that is not a decimal integer.
std::wstring FormatFileVersion(TVersionFormat format);
// The same for the FileVersion of another file.
std::wstring FormatFileVersion(TVersionFormat format, const std::wstring& fileName);
