/* Converts a log from memory to memory with libquorvel: reads standard input
 * whole, converts it for the region given, writes the log to standard output
 * and the listing to standard error.  Usage: convert_memory REGION < in > out */
#include <quorvel.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct memory {
  char* input;
  size_t size;
  size_t position;
};

static ptrdiff_t read_memory(void* context, char* buffer, size_t size) {
  struct memory* m = context;
  size_t n = m->size - m->position;
  if (n > size) n = size;
  memcpy(buffer, m->input + m->position, n);
  m->position += n;
  return (ptrdiff_t)n;
}

static int write_out(void* context, const char* data, size_t size) {
  (void)context;
  return fwrite(data, 1, size, stdout) == size ? 0 : 1;
}

static void print_line(void* context, int kind, const char* line) {
  (void)context;
  (void)kind;
  fprintf(stderr, "%s\n", line);
}

int main(int argc, char** argv) {
  struct memory m = {NULL, 0, 0};
  size_t room = 0;
  size_t got;
  char error[256];
  quorvel_options options;
  int code;
  if (argc != 2 || quorvel_region_lookup(argv[1]) < 0) {
    fprintf(stderr, "usage: convert_memory REGION < INPUT > OUTPUT\n");
    return 2;
  }
  do {
    if (m.size == room) {
      char* more = realloc(m.input, room = room * 2 + 65536);
      if (more == NULL) return 1;
      m.input = more;
    }
    got = fread(m.input + m.size, 1, room - m.size, stdin);
    m.size += got;
  } while (got > 0);
  options = quorvel_default_options(quorvel_region_lookup(argv[1]));
  code =
      quorvel_convert_stream(&options, read_memory, write_out, print_line, &m, error, sizeof error);
  free(m.input);
  if (code != QUORVEL_OK) fprintf(stderr, "%s\n", error);
  return code == QUORVEL_OK ? 0 : 1;
}
