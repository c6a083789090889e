#include "file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rigata {

namespace {

std::string Motivo(int errore) {
    switch (errore) {
        case ENOENT: return "il file o la cartella non esiste";
        case EACCES:
        case EPERM: return "permesso negato";
        case EISDIR: return "è una cartella, non un file";
        case ENOSPC: return "spazio su disco esaurito";
        case EDQUOT: return "quota del disco esaurita";
        case EROFS: return "il disco è di sola lettura";
        case ENAMETOOLONG: return "nome troppo lungo";
        case ENOTDIR: return "il percorso non è valido";
        case EFBIG: return "file troppo grande";
        case EIO: return "errore di lettura o scrittura del disco";
        default: return std::string("errore di sistema ") + std::to_string(errore) + " (" + std::strerror(errore) + ")";
    }
}

std::string Cartella(const std::string& percorso) {
    const auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return percorso.substr(0, barra);
}

bool ScriviTutto(int fd, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t scritti = ::write(fd, dati.data(), dati.size());
        if (scritti < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        dati.remove_prefix(static_cast<size_t>(scritti));
    }
    return true;
}

// Code points of 0x80..0x9F in Windows-1252 (0 where the byte has none).
constexpr char16_t kAlti1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AggiungiUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 character at i; false on a malformed sequence.
bool Decodifica(std::string_view s, size_t& i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    size_t n;
    char32_t minimo;
    if (b0 < 0x80) {
        c = b0;
        ++i;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 1, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 2, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 3, c = b0 & 0x07, minimo = 0x10000;
    } else {
        return false;
    }
    for (size_t k = 1; k <= n; ++k) {
        if (i + k >= s.size()) return false;
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += n + 1;
    return true;
}

int Byte1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int k = 0; k < 32; ++k)
        if (kAlti1252[k] != 0 && kAlti1252[k] == c) return 0x80 + k;
    // The five unassigned bytes travel as the control characters of their code.
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return static_cast<int>(c);
    return -1;
}

}  // namespace

std::optional<std::string> LeggiFile(const std::string& percorso, std::string& contenuto) {
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "Impossibile aprire il file \"" + percorso + "\": " + Motivo(errno) + ".";
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return "Impossibile aprire il file \"" + percorso + "\": " + Motivo(EISDIR) + ".";
    }
    contenuto.clear();
    char buf[65536];
    for (;;) {
        const ssize_t letti = ::read(fd, buf, sizeof buf);
        if (letti < 0) {
            if (errno == EINTR) continue;
            const int errore = errno;
            ::close(fd);
            return "Impossibile leggere il file \"" + percorso + "\": " + Motivo(errore) + ".";
        }
        if (letti == 0) break;
        contenuto.append(buf, static_cast<size_t>(letti));
    }
    ::close(fd);
    return std::nullopt;
}

std::optional<std::string> ScriviFileSicuro(const std::string& percorso, std::string_view contenuto) {
    auto fallito = [&](int errore) {
        return "Impossibile salvare il file \"" + percorso + "\": " + Motivo(errore) +
               ". Il contenuto precedente del file non è stato modificato.";
    };
    struct stat vecchio {};
    const bool esisteva = ::stat(percorso.c_str(), &vecchio) == 0;
    if (esisteva && S_ISDIR(vecchio.st_mode)) return fallito(EISDIR);

    std::string modello = Cartella(percorso) + "/.rigata-XXXXXX";
    const int fd = ::mkostemp(modello.data(), O_CLOEXEC);
    if (fd < 0) return fallito(errno);
    int errore = 0;
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    const mode_t permessi = esisteva ? (vecchio.st_mode & 07777) : [] {
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
        return static_cast<mode_t>(0666 & ~maschera);
    }();
    if (::fchmod(fd, permessi) != 0) errore = errno;
    if (!errore && !ScriviTutto(fd, contenuto)) errore = errno;
    if (!errore && ::fsync(fd) != 0) errore = errno;
    if (::close(fd) != 0 && !errore) errore = errno;
    if (!errore && ::rename(modello.c_str(), percorso.c_str()) != 0) errore = errno;
    if (errore) {
        ::unlink(modello.c_str());
        return fallito(errore);
    }
    // Make the rename itself durable.
    const int dir = ::open(Cartella(percorso).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

bool FileEsiste(const std::string& percorso) {
    struct stat info {};
    return ::stat(percorso.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string Da1252(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (char ch : testo) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && kAlti1252[b - 0x80] != 0)
            AggiungiUtf8(out, kAlti1252[b - 0x80]);
        else
            AggiungiUtf8(out, b);
    }
    return out;
}

std::optional<std::string> A1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c;
        if (!Decodifica(utf8, i, c)) return std::nullopt;
        const int b = Byte1252(c);
        if (b < 0) return std::nullopt;
        out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string PrimoCarattereNon1252(std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t inizio = i;
        char32_t c;
        if (!Decodifica(utf8, i, c)) return std::string(utf8.substr(inizio, 1));
        if (Byte1252(c) < 0) return std::string(utf8.substr(inizio, i - inizio));
    }
    return {};
}

}  // namespace rigata
