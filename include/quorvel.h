/* libquorvel: the county conversion of ADIF logs, for other programs.
 *
 * Every function may be called from several threads at once; conversions keep
 * no state between calls and none shared with each other. Texts handed to a
 * callback are valid only during that call. The library allocates nothing
 * that the caller must free. A conversion gives QSOs on a county line their
 * times in the process's local time zone, as quorvel-convert does: changing
 * the TZ environment variable while a conversion runs is not safe. */
#ifndef QUORVEL_H
#define QUORVEL_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(QUORVEL_BUILDING) && defined(__GNUC__)
#define QUORVEL_API __attribute__((visibility("default")))
#else
#define QUORVEL_API
#endif

/* The outcome of a conversion. */
enum {
  QUORVEL_OK = 0,          /* converted; the listing was handed over */
  QUORVEL_REFUSED = 1,     /* the request was refused; error holds the text */
  QUORVEL_BAD_ARGUMENT = 2 /* a null pointer or an option out of range */
};

/* The kind of a listing line. */
enum { QUORVEL_INFO = 0, QUORVEL_WARNING = 1, QUORVEL_ERROR = 2 };

/* What resolving a value found. */
enum { QUORVEL_UNKNOWN = 0, QUORVEL_COUNTY = 1, QUORVEL_STATE = 2, QUORVEL_PROVINCE = 3 };

/* How a QSO on a county line is written, as the command line's --county-lines. */
enum { QUORVEL_LINES_SPLIT = 0, QUORVEL_LINES_SPLIT_USACA = 1, QUORVEL_LINES_SINGLE = 2 };

/* The library's version, as "5.0.0.1". */
QUORVEL_API const char* quorvel_version(void);

/* The number of regions; ids run from 0 to this count less one. */
QUORVEL_API int quorvel_region_count(void);
/* A region's abbreviation ("PA", "7QP") and name ("Pennsylvania"), or NULL for
 * an id out of range. The texts are constant. */
QUORVEL_API const char* quorvel_region_abbreviation(int region);
QUORVEL_API const char* quorvel_region_name(int region);
/* 1 when the region is one the programs offer (the 44 of the command line's
 * --list-regions and the window's list), 0 when it is only accepted (the
 * states without county tables), -1 for an id out of range. */
QUORVEL_API int quorvel_region_offered(int region);
/* The region that text names as the command line takes it: a number, an
 * abbreviation or a name, letter case ignored; -1 when none (or text is NULL). */
QUORVEL_API int quorvel_region_lookup(const char* text);

/* Resolves value (size bytes, any case) as a log's county field in region.
 * Returns its kind; for a county or a state the result ("PA,CEN" or "PA") is
 * written to out, NUL-terminated, if out_size bytes hold it (else out is
 * left empty). Returns -1 for a null pointer or an unknown region. */
QUORVEL_API int quorvel_resolve(int region, const char* value, size_t size, char* out,
                                size_t out_size);

/* Receives one line of the listing (without its line end) and its kind. */
typedef void (*quorvel_listing_fn)(void* context, int kind, const char* line);
/* Reads up to size bytes into buffer; returns the count, 0 at the end, or a
 * negative number on a read error. */
typedef ptrdiff_t (*quorvel_read_fn)(void* context, char* buffer, size_t size);
/* Writes all of size bytes; returns 0 on success, anything else on an error. */
typedef int (*quorvel_write_fn)(void* context, const char* data, size_t size);

/* The form of the county report, as the command line's --report FILE takes it
 * from the file's name (.txt, .json, .csv). */
enum {
  QUORVEL_REPORT_NONE = 0,
  QUORVEL_REPORT_TEXT = 1,
  QUORVEL_REPORT_JSON = 2,
  QUORVEL_REPORT_CSV = 3
};

typedef struct quorvel_options {
  int region;       /* a region id */
  int add_mobile;   /* 1: a mobile's call gains /M, as the command line without --no-mobile */
  int county_lines; /* QUORVEL_LINES_* */
  int report;       /* QUORVEL_REPORT_*: the county report to write, or none */
  /* Receives the report's bytes (with the conversion's context) after a
   * successful conversion, as quorvel-convert writes them to the report
   * file; needed unless report is QUORVEL_REPORT_NONE. */
  quorvel_write_fn report_write;
} quorvel_options;

/* The command line's defaults for region: /M added, county lines split, no
 * report. */
QUORVEL_API quorvel_options quorvel_default_options(int region);

/* Converts the file input_path into output_path. Each listing line goes to
 * listing (which may be NULL). On QUORVEL_REFUSED the system's error text
 * ("ERROR: Could not open input file.") is written NUL-terminated to error
 * when error_size > 0, cut to fit. */
QUORVEL_API int quorvel_convert_file(const quorvel_options* options, const char* input_path,
                                     const char* output_path, quorvel_listing_fn listing,
                                     void* context, char* error, size_t error_size);

/* The same over callbacks: the log is read through read and the converted log
 * handed to write, as the command line does for "- -". A failing callback
 * makes the conversion stop with the read or write error.
 *
 * For both: with a report, it goes to report_write once the listing has been
 * handed over; the report names the log by input_path ("-" over callbacks).
 * A report_write that fails makes the call return QUORVEL_REFUSED with
 * "ERROR: Could not write report file.", after a complete conversion, as
 * quorvel-convert exits 1 then. */
QUORVEL_API int quorvel_convert_stream(const quorvel_options* options, quorvel_read_fn read,
                                       quorvel_write_fn write, quorvel_listing_fn listing,
                                       void* context, char* error, size_t error_size);

#ifdef __cplusplus
}
#endif

#endif
