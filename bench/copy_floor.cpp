// The least a conversion of a log has to do in user space, as a yardstick for
// the benchmark: read the input in 1 MB blocks into a page-aligned buffer, find every '<' with
// memchr, and write the bytes back in 1 MB blocks with CR LF line ends (a CR LF pair of the input
// stays one pair). Prints the number of '<' found, so that the search cannot be left out.
//
//   quorvel-copy-floor INPUT OUTPUT
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kBlock = 1 << 20;
constexpr std::size_t kPage = 4096;

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

long long CountTags(const char* data, std::size_t size) {
  long long tags = 0;
  const char* const end = data + size;
  for (const char* at = data; at < end; ++at, ++tags) {
    at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at)));
    if (at == nullptr) break;
  }
  return tags;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorvel-copy-floor INPUT OUTPUT\n");
    return 2;
  }
  const int in = ::open(argv[1], O_RDONLY);
  const int out = ::open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (in < 0 || out < 0) {
    std::perror("quorvel-copy-floor");
    return 1;
  }
  // The read buffer starts at a page boundary: a read into one that does not
  // takes several times as long in the kernel.
  std::vector<char> storage(kBlock + kPage);
  char* const block =
      storage.data() + (kPage - reinterpret_cast<std::uintptr_t>(storage.data()) % kPage) % kPage;
  std::vector<char> output(2 * kBlock + 2);
  long long tags = 0;
  bool pendingCr = false;  // the block before ended in a CR
  for (;;) {
    const ssize_t got = ::read(in, block, kBlock);
    if (got < 0) return 1;
    if (got == 0) break;
    const char* at = block;
    const char* const end = at + got;
    tags += CountTags(at, static_cast<std::size_t>(got));
    char* put = output.data();
    while (at < end) {
      const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
      if (found == nullptr) {
        std::memcpy(put, at, static_cast<std::size_t>(end - at));
        put += end - at;
        break;
      }
      const char* const lf = static_cast<const char*>(found);
      const bool afterCr = lf > at ? lf[-1] == '\r' : pendingCr;
      std::memcpy(put, at, static_cast<std::size_t>(lf - at));
      put += lf - at;
      if (!afterCr) *put++ = '\r';
      *put++ = '\n';
      at = lf + 1;
    }
    pendingCr = end[-1] == '\r';
    if (!WriteAll(out, output.data(), static_cast<std::size_t>(put - output.data()))) return 1;
  }
  if (::close(out) != 0) return 1;
  std::printf("%lld tags\n", tags);
  return 0;
}
