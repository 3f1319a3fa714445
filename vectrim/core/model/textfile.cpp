#include "textfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace vectrim {

LineReader::LineReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

LineReader::~LineReader() {
    if (file_) std::fclose(file_);
}

bool LineReader::next(std::string& line) {
    line.clear();
    if (!file_) return false;
    int c = getc_unlocked(file_);
    if (c == EOF) return false;
    while (c != EOF && c != '\n' && c != '\r') {
        if (line.size() < kMaxLine) line.push_back(static_cast<char>(c));
        c = getc_unlocked(file_);
    }
    if (c == '\r') {
        const int d = getc_unlocked(file_);
        if (d != '\n' && d != EOF) std::ungetc(d, file_);
    }
    return !std::ferror(file_);
}

AtomicTextFile::AtomicTextFile(std::string path)
    : path_(std::move(path)), temp_(path_ + ".~" + std::to_string(getpid())) {
    file_ = std::fopen(temp_.c_str(), "wb");
}

AtomicTextFile::~AtomicTextFile() {
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(temp_.c_str());
}

void AtomicTextFile::line(const std::string& text) {
    if (!ok()) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() ||
        std::fwrite("\r\n", 1, 2, file_) != 2)
        failed_ = true;
}

void AtomicTextFile::write(std::string_view bytes) {
    if (!ok()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

bool AtomicTextFile::commit() {
    if (!file_) return false;
    if (std::fflush(file_) != 0) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    if (failed_) return false;
    if (std::rename(temp_.c_str(), path_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

long long fileSize(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return static_cast<long long>(st.st_size);
}

bool removeFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

} // namespace vectrim
