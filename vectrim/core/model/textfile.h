// Line-by-line reading and all-or-nothing writing of the small text files
// that the programs hand over to each other (8-bit bytes, CR LF).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vectrim {

// Reads lines ended by CR LF, LF or CR. A line longer than kMaxLine keeps its
// first kMaxLine bytes; the rest is skipped, so no line costs more memory.
class LineReader {
public:
    static constexpr size_t kMaxLine = 65536;

    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next line without its end; false at the end of the file or on a
    // read error.
    bool next(std::string& line);

private:
    std::FILE* file_ = nullptr;
};

// Writes a file under a temporary name in the same folder and renames it
// over the target on commit, so that a failure never leaves a half-written
// file: the target is either the complete new file or untouched.
class AtomicTextFile {
public:
    explicit AtomicTextFile(std::string path);
    ~AtomicTextFile(); // removes the temporary file unless committed
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    bool ok() const { return file_ != nullptr && !failed_; }
    // Writes the bytes and CR LF.
    void line(const std::string& text);
    // Writes the bytes as they are (the caller ends its own lines).
    void write(std::string_view bytes);
    // Flushes, closes and renames; false (and the target untouched) on any
    // failure so far.
    bool commit();

private:
    std::string path_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    bool committed_ = false;
};

bool fileExists(const std::string& path);
// Size in bytes, -1 when the file does not exist.
long long fileSize(const std::string& path);
bool removeFile(const std::string& path);

} // namespace vectrim
