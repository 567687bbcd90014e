/* floor.c: the least a process can do for lfnsum's job: lay out the name, compute the checksum
 * and print the result line with one printf. lfnsum's own cost is measured against it. */
#include <stdio.h>

int main(int argc, char** argv) {
    unsigned char field[12] = "           ";
    const char* name = argc > 1 ? argv[1] : "";
    unsigned position = 0;
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c == '.') {
            position = position < 8 ? 8 : position;
        } else if (position < 11) {
            field[position++] = (unsigned char)(*c >= 'a' && *c <= 'z' ? *c - 32 : *c);
        }
    }
    unsigned char sum = 0;
    for (int i = 0; i < 11; ++i) {
        sum = (unsigned char)(((sum & 1) << 7) + (sum >> 1) + field[i]);
    }
    char binary[9] = {0};
    for (int bit = 0; bit < 8; ++bit) {
        binary[7 - bit] = (char)('0' + ((sum >> bit) & 1));
    }
    printf("\nfinal value of  %s  in hex is %02X   for 8.3 filename of \"%s\"\n%s", binary,
           sum, (const char*)field, "Made for the lfnsum project by the lfnsum authors, https://lfnsum.example.org/");
    return 0;
}
