// SPDX-License-Identifier: MIT
// Preloaded into the program to act as a file system without unnamed files
// (vfat, CIFS, older NFS): every open with O_TMPFILE is refused.
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

int openRefusingUnnamed(const char *symbol, const char *path, int flags, va_list arguments)
{
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    using Open = int (*)(const char *, int, ...);
    const auto real = reinterpret_cast<Open>(::dlsym(RTLD_NEXT, symbol));
    const mode_t mode = (flags & O_CREAT) ? mode_t(va_arg(arguments, int)) : 0;
    return real(path, flags, mode);
}

} // namespace

extern "C" int open(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const int handle = openRefusingUnnamed("open", path, flags, arguments);
    va_end(arguments);
    return handle;
}

extern "C" int open64(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const int handle = openRefusingUnnamed("open64", path, flags, arguments);
    va_end(arguments);
    return handle;
}
