#include "output.h"

#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>

namespace zqf {

namespace {
constexpr size_t kFirstBuffer = 1 << 14;
}  // namespace

// A buffer of at least one byte: Put() always has room after a flush.
Stream::Stream(int fd, bool owned, size_t bufferSize)
    : fd_(fd), owned_(owned), size_(std::max<size_t>(bufferSize, 1)) {}

Stream::Stream(std::string* sink) : sink_(sink) {}

Stream::~Stream() { Close(); }

void Stream::WriteThrough(const char* data, size_t size) {
  if (sink_ != nullptr) {
    sink_->append(data, size);
    delivered_ += size;
    return;
  }
  while (size > 0 && !failed_) {
    ssize_t n = ::write(fd_, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      errno_ = errno;
      return;
    }
    data += n;
    size -= static_cast<size_t>(n);
    delivered_ += static_cast<uint64_t>(n);
  }
}

// The buffer grows to bufferSize as it fills, so a stream that carries
// little (a short job; the tests run thousands in one process) holds little.
// Not zero-filled: only the bytes written into it are ever read.
void Stream::Reserve(size_t need) {
  if (need <= capacity_) return;
  const size_t grown = std::min(size_, std::max({need, capacity_ * 2, kFirstBuffer}));
  auto bigger = std::make_unique_for_overwrite<char[]>(grown);
  if (used_ > 0) std::memcpy(bigger.get(), buf_.get(), used_);
  buf_ = std::move(bigger);
  capacity_ = grown;
}

void Stream::Flush() {
  if (used_ > 0) {
    WriteThrough(buf_.get(), used_);
    used_ = 0;
  }
}

void Stream::Write(const void* data, size_t size) {
  if (size == 0 || failed_) return;
  const char* p = static_cast<const char*>(data);
  if (sink_ != nullptr) {
    sink_->append(p, size);
    delivered_ += size;
    return;
  }
  if (used_ + size <= size_) {
    Reserve(used_ + size);
    std::memcpy(buf_.get() + used_, p, size);
    used_ += size;
    return;
  }
  Flush();
  if (size >= size_ / 2) {
    WriteThrough(p, size);
  } else {
    Reserve(size);
    std::memcpy(buf_.get(), p, size);
    used_ = size;
  }
}

void Stream::Put(char c) {
  if (sink_ != nullptr) {
    sink_->push_back(c);
    ++delivered_;
    return;
  }
  if (used_ == size_) Flush();
  if (failed_) return;
  Reserve(used_ + 1);
  buf_[used_++] = c;
}

bool Stream::Close() {
  Flush();
  if (owned_ && fd_ >= 0) {
    if (::close(fd_) != 0 && !failed_) {
      failed_ = true;
      errno_ = errno;
    }
    fd_ = -1;
    owned_ = false;
  }
  return !failed_;
}

void ZQfwrite(const void* data, size_t size, size_t count, Stream& stream) {
  const size_t bytes = size * count;
  if (stream.mirror != nullptr) stream.mirror->Write(data, bytes);
  if (stream.tap != nullptr) stream.tap->append(static_cast<const char*>(data), bytes);
  stream.Write(data, bytes);
}

void ZQfputs(std::string_view text, Stream& stream) { ZQfwrite(text.data(), 1, text.size(), stream); }

void ZQfputc(char c, Stream& stream) {
  if (stream.mirror != nullptr) stream.mirror->Put(c);
  if (stream.tap != nullptr) stream.tap->push_back(c);
  stream.Put(c);
}

void ZQfprintf(Stream& stream, std::string_view text) { ZQfputs(text, stream); }

}  // namespace zqf
