/* pairs: times two commands alternately, pair by pair, and prints the
 * statistics of the ratio of their wall times (the first over the second).
 *
 *   pairs MAX_PAIRS SECONDS OUT_A COMMAND_A... -- OUT_B COMMAND_B...
 *
 * Each command runs with its standard output opened on OUT (created, or
 * truncated as `>` of the shell does) and its standard error on /dev/null;
 * the open happens in the child, inside the timed region, and no shell runs.
 * One pair is run first to warm the caches and is not counted. Then pairs
 * run until MAX_PAIRS, or until SECONDS have passed and at least five pairs
 * are done; every other pair runs the second command first, so that neither
 * command always follows the other. A command that fails stops the run.
 *
 * Prints one line: pairs, then the median ratio, its first and third
 * quartiles, its minimum and maximum, then the median times of A and B in
 * milliseconds. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>

extern char **environ;

struct side {
  const char *out;
  char **argv;
};

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

static double run(const struct side *s) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, s->out, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  int status = 0;
  double start = now();
  int failed = posix_spawnp(&pid, s->argv[0], &actions, NULL, s->argv, environ) != 0 ||
               waitpid(pid, &status, 0) != pid;
  double seconds = now() - start;
  posix_spawn_file_actions_destroy(&actions);
  if (failed || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fprintf(stderr, "pairs: %s failed\n", s->argv[0]);
    exit(1);
  }
  return seconds;
}

static int by_value(const void *a, const void *b) {
  double x = *(const double *)a, y = *(const double *)b;
  return (x > y) - (x < y);
}

/* The q-quantile of n sorted values, interpolated between neighbours. */
static double quantile(const double *v, int n, double q) {
  double at = q * (n - 1);
  int below = (int)at;
  return below + 1 < n ? v[below] + (at - below) * (v[below + 1] - v[below]) : v[below];
}

int main(int argc, char **argv) {
  if (argc < 7) {
    fprintf(stderr, "usage: pairs MAX_PAIRS SECONDS OUT_A COMMAND_A... -- OUT_B COMMAND_B...\n");
    return 2;
  }
  int max_pairs = atoi(argv[1]);
  double budget = atof(argv[2]);
  int split = 3;
  while (split < argc && strcmp(argv[split], "--") != 0) split++;
  if (max_pairs < 1 || split < 5 || split + 2 >= argc) {
    fprintf(stderr, "pairs: each side needs an output and a command\n");
    return 2;
  }
  argv[split] = NULL;
  struct side sides[2] = {{argv[3], argv + 4}, {argv[split + 1], argv + split + 2}};

  double *times[2] = {malloc(max_pairs * sizeof(double)), malloc(max_pairs * sizeof(double))};
  double *ratios = malloc(max_pairs * sizeof(double));
  run(&sides[0]);
  run(&sides[1]);
  double start = now();
  int n = 0;
  while (n < max_pairs && (n < 5 || now() - start < budget)) {
    int first = n % 2;
    times[first][n] = run(&sides[first]);
    times[!first][n] = run(&sides[!first]);
    ratios[n] = times[0][n] / times[1][n];
    n++;
  }
  for (int i = 0; i < 2; i++) qsort(times[i], n, sizeof(double), by_value);
  qsort(ratios, n, sizeof(double), by_value);
  printf("%d %.3f %.3f %.3f %.3f %.3f %.3f %.3f\n", n, quantile(ratios, n, 0.5),
         quantile(ratios, n, 0.25), quantile(ratios, n, 0.75), ratios[0], ratios[n - 1],
         quantile(times[0], n, 0.5) * 1e3, quantile(times[1], n, 0.5) * 1e3);
  return 0;
}
