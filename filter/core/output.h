#pragma once
// Output of the job stream. Everything the filter writes goes through the
// four ZQ functions, which mirror the bytes into the job copy when one is
// open. Streams buffer in large blocks and write with write(2), so the
// pass-through costs little more than a copy.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

class Stream {
 public:
  // A stream over a file descriptor (not closed by the stream unless owned).
  explicit Stream(int fd, bool owned = false, size_t bufferSize = 1 << 18);
  // A stream that appends to a string (tests and in-process runs).
  explicit Stream(std::string* sink);
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  ~Stream();

  void Write(const void* data, size_t size);
  void Write(std::string_view s) { Write(s.data(), s.size()); }
  void Put(char c);
  void Flush();
  // Flushes, then closes an owned descriptor; returns false when any write
  // failed.
  bool Close();

  int fd() const { return fd_; }
  // True once a write failed (a broken pipe, a full disk); later writes are
  // dropped.
  bool failed() const { return failed_; }
  int error() const { return errno_; }
  // Bytes taken by Write and Put, and bytes handed to the descriptor (or
  // the sink) so far: a byte at offset n has left the buffer once
  // delivered() > n.
  uint64_t accepted() const { return delivered_ + used_; }
  uint64_t delivered() const { return delivered_; }

  // The job copy that the ZQ functions mirror into, or nullptr.
  Stream* mirror = nullptr;
  // While set, the ZQ functions also append what they write here.
  std::string* tap = nullptr;

 private:
  void WriteThrough(const char* data, size_t size);
  // Grows the buffer to hold need bytes (need never exceeds size_).
  void Reserve(size_t need);

  int fd_ = -1;
  bool owned_ = false;
  std::string* sink_ = nullptr;
  size_t size_ = 0;      // the most the buffer holds before it is written
  size_t capacity_ = 0;  // what it holds now
  std::unique_ptr<char[]> buf_;
  size_t used_ = 0;
  bool failed_ = false;
  int errno_ = 0;
  uint64_t delivered_ = 0;
};

void ZQfputs(std::string_view text, Stream& stream);
void ZQfwrite(const void* data, size_t size, size_t count, Stream& stream);
void ZQfputc(char c, Stream& stream);
// Writes text literally: a "%" in it is never expanded.
void ZQfprintf(Stream& stream, std::string_view text);

}  // namespace zqf
