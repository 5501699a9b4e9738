/* Ini -- reads small configuration files of sections and keys. */
#ifndef INI_H
#define INI_H

#include <stddef.h>

/****h* Ini
 * NAME
 *   Ini - reads configuration files of sections and keys
 * NOTES
 *
 *   Files are read whole; a file of more than 1 MiB is refused.
 *   Lines that start with ";" or "#" are comments.
 *
 ***/

/****s* Ini/ini_t
 * NAME
 *   ini_t - a file read into memory
 * SOURCE
 */
typedef struct {
    char *text;
    size_t count;

    struct ini_pair {
        const char *section, *key, *value;
    } *pairs;
} ini_t;

#define INI_LAST(ini) ((ini)->pairs + (ini)->count \
                       - 1)

/***/

/****f* Ini/ini_open
 * NAME
 *   ini_open - reads a file into an ini_t
 * SYNOPSIS
 */
int ini_open(ini_t *ini, const char *path);
/*
 * INPUTS
 *   ini - where the file goes; free it with ini_close
 *   path - the file's path
 * NOTES
 *   - A missing file is an error, an empty file is not.
 *   - Keys before the first section line belong to the section NULL.
 ***/

/****f* Ini/ini_get
 * NAME
 *   ini_get - looks up the value of a key
 * SYNOPSIS
 */
const char *ini_get(const ini_t *ini,
                    const char *section,
                    const char *key);
/*
 * INPUTS
 *
 *   ini - a file that ini_open read
 *   section - the section's name, or NULL for the keys before the
 *             first section line
 *   key - the key's name; case does not matter
 *
 * EXAMPLE
 *   
 *   const char *port = ini_get(&ini, "server", "port");
 *   if (port == NULL)
 *       port = "8080";
 *
 ***/

/****f* Ini/ini_close
 * NAME
 *   ini_close - frees what ini_open read
 * SYNOPSIS
 */
void ini_close(ini_t *ini);
/*
 ***/

#endif
