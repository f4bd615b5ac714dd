// Imports LockWorkStation directly, as the program must not: the import check rejects it.
#include <windows.h>

int main(int argc, char**) {
  return argc > 5 ? LockWorkStation() : 0;
}
