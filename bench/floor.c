/*
 * The floor of renaming a folder of photos: what every date renamer has to do
 * for each file and nothing more. It lists the folder, then for each file
 * opens it, reads its first 4 KiB (where a camera JPEG keeps its date),
 * closes it, checks that the new name is free and renames the file.
 *
 *   floor FOLDER
 *
 * The new name is a number; working one out from the bytes read is left out
 * on purpose, so that the floor is the cost of the file system alone.
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: floor FOLDER\n");
        return 2;
    }
    const char *folder = argv[1];
    DIR *dir = opendir(folder);
    if (!dir) {
        perror(folder);
        return 1;
    }
    size_t count = 0, capacity = 1024;
    char **names = malloc(capacity * sizeof *names);
    struct dirent *entry;
    while ((entry = readdir(dir)) != NULL) {
        if (entry->d_name[0] == '.')
            continue;
        if (count == capacity) {
            capacity *= 2;
            names = realloc(names, capacity * sizeof *names);
        }
        names[count++] = strdup(entry->d_name);
    }
    closedir(dir);

    char buffer[4096];
    char from[4096], to[4096];
    size_t renamed = 0;
    for (size_t i = 0; i < count; ++i) {
        snprintf(from, sizeof from, "%s/%s", folder, names[i]);
        int fd = open(from, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        ssize_t got = read(fd, buffer, sizeof buffer);
        close(fd);
        if (got <= 0)
            continue;
        snprintf(to, sizeof to, "%s/%08zu.jpg", folder, i);
        struct stat info;
        if (lstat(to, &info) == 0 || errno != ENOENT)
            continue;
        if (rename(from, to) == 0)
            ++renamed;
        printf("%s -> %08zu.jpg\n", names[i], i);
    }
    fprintf(stderr, "renamed %zu of %zu\n", renamed, count);
    return renamed == count ? 0 : 1;
}
