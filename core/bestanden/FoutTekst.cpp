#include "core/bestanden/FoutTekst.h"

#include <cerrno>
#include <cstring>

namespace core {

std::string foutTekst(int errnoCode)
{
    switch (errnoCode) {
    case ENOENT:
        return "het bestand of de map bestaat niet";
    case ENOTDIR:
        return "een deel van het pad is geen map";
    case EACCES:
    case EPERM:
        return "geen toegang (onvoldoende rechten)";
    case EROFS:
        return "de schijf is alleen-lezen";
    case ENOSPC:
    case EDQUOT:
        return "de schijf is vol";
    case EISDIR:
        return "het is een map, geen bestand";
    case ELOOP:
        return "te veel symbolische koppelingen";
    case EIO:
        return "lees- of schrijffout op de schijf";
    case EFBIG:
        return "het bestand is te groot";
    default:
        return std::strerror(errnoCode);
    }
}

} // namespace core
