// The part of a command line after the program's own name and the blanks behind it.
#ifndef TARVEX_APP_COMMAND_TAIL_H
#define TARVEX_APP_COMMAND_TAIL_H

inline char* CommandTail(char* line) {
    if (*line == '"') {
        ++line;
        while (*line != '\0' && *line != '"') ++line;
        if (*line == '"') ++line;
    } else {
        while (*line != '\0' && *line != ' ' && *line != '\t') ++line;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return line;
}

#endif
