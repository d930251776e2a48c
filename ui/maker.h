// Who makes the program: the About text and the version resource both read
// these, so they are plain macros that the resource compiler understands too.
#pragma once

#define QUORVEL_MAKER_NAME "Quorvel developers"
#define QUORVEL_MAKER_EMAIL "quorvel@example.org"
#define QUORVEL_HOME_PAGE_HOST "quorvel.example.org"
#define QUORVEL_COPYRIGHT "Copyright (C) Quorvel developers"
