#pragma once
// One settings (profile) file, read and written key by key through the platform's profile
// functions. Reading gives back exactly what was written: values of any length, and a value
// enclosed in quotes can keep them. Releasing the object flushes the platform's cached copy.
#include <string>

class TProfileFile {
public:
    explicit TProfileFile(std::wstring fileName);
    ~TProfileFile();
    TProfileFile(const TProfileFile&) = delete;
    TProfileFile& operator=(const TProfileFile&) = delete;

    const std::wstring& FileName() const { return fileName_; }

    // The key's value, or defaultValue when the file, the section or the key is missing. Like
    // the platform, drops one pair of quotes that encloses the whole value.
    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& defaultValue) const;
    // The same, but the value comes back exactly as stored, enclosing quotes included.
    std::wstring ReadStoredString(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& defaultValue) const;
    // Throws EIniFileException when the file cannot be written, or when the file's code page
    // cannot hold the value (rather than storing '?' in its place).
    void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);

private:
    bool StoresUnicode() const;

    std::wstring fileName_;
};
