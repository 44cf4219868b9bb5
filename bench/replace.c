/* replace: the least a program can do to write files as hbpins writes them,
 * for bench/run.sh to measure beside hbpins.
 *
 *   replace SRC DST [SRC DST]...
 *
 * Copies each SRC to DST through a temporary file in DST's directory, in
 * blocks of 256 KiB, gives it mode 0644 and renames it over DST: the same
 * system calls, and the same work for the file system, as a whole-file
 * replacement by hbpins, without anything hbpins computes. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static char block[1 << 18];

static void replace(const char *source, const char *target) {
  char temporary[4096];
  const char *slash = strrchr(target, '/');
  const int directory = slash == NULL ? 0 : (int)(slash - target + 1);
  snprintf(temporary, sizeof temporary, "%.*s.replace-XXXXXX", directory, target);
  const int in = open(source, O_RDONLY | O_CLOEXEC);
  const int out = mkstemp(temporary);
  if (in < 0 || out < 0) {
    perror(source);
    exit(1);
  }
  ssize_t got;
  while ((got = read(in, block, sizeof block)) > 0)
    if (write(out, block, (size_t)got) != got) {
      perror(target);
      exit(1);
    }
  if (got < 0 || fchmod(out, 0644) != 0 || close(out) != 0 || rename(temporary, target) != 0) {
    perror(target);
    exit(1);
  }
  close(in);
}

int main(int argc, char **argv) {
  for (int k = 1; k + 1 < argc; k += 2) replace(argv[k], argv[k + 1]);
  return 0;
}
