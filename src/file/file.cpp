#include "file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iterator>
#include <thread>

namespace rigata {

namespace {

// The fate of an existing file after a failed write, or of one that was not there.
std::string Coda(bool esisteva) {
    return esisteva ? " Il contenuto precedente del file non è stato modificato." : " Il file non è stato creato.";
}

// Why a path that is there is not a plain file.
std::string NonUnFile(mode_t modo) {
    if (S_ISDIR(modo)) return "è una cartella, non un file";
    if (S_ISFIFO(modo)) return "è una pipe (FIFO), non un file";
    if (S_ISCHR(modo) || S_ISBLK(modo)) return "è un dispositivo, non un file";
    if (S_ISSOCK(modo)) return "è un socket, non un file";
    return "non è un file normale";
}

// A fault of the folder that should hold the file (its temporary file or its rename).
std::string MotivoCartella(int errore, const std::string& cartella) {
    switch (errore) {
        case EACCES:
        case EPERM: return "nella cartella \"" + cartella + "\" non si può scrivere (permesso negato)";
        case ENOENT: return "la cartella \"" + cartella + "\" non esiste";
        case ENOTDIR: return "\"" + cartella + "\" non è una cartella";
        case EROFS: return "la cartella \"" + cartella + "\" è su un disco di sola lettura";
        default: return MotivoErrore(errore);
    }
}

std::string TestoByte(size_t n) {
    return n >= (1u << 20) ? std::to_string(n >> 20) + " MB" : std::to_string(n) + " byte";
}

// Opens a regular file for reading. Its kind is checked before opening (a
// FIFO or a device may block or act when opened) and again on the open file.
std::optional<std::string> ApriFileNormale(const std::string& percorso, int& fd, struct stat& info) {
    const std::string prefisso = "Impossibile aprire il file \"" + percorso + "\": ";
    if (::stat(percorso.c_str(), &info) != 0) return prefisso + MotivoErrore(errno) + ".";
    if (!S_ISREG(info.st_mode)) return prefisso + NonUnFile(info.st_mode) + ".";
    fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return prefisso + MotivoErrore(errno) + ".";
    if (::fstat(fd, &info) != 0) {
        const int errore = errno;
        ::close(fd);
        return prefisso + MotivoErrore(errore) + ".";
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return prefisso + NonUnFile(info.st_mode) + ".";
    }
    return std::nullopt;
}

// Reads until the end of the file or until the content holds massimo bytes.
std::optional<std::string> LeggiFino(int fd, const std::string& percorso, std::string& contenuto, size_t massimo) {
    contenuto.clear();
    char buf[65536];
    while (contenuto.size() < massimo) {
        const ssize_t letti = ::read(fd, buf, std::min(sizeof buf, massimo - contenuto.size()));
        if (letti < 0) {
            if (errno == EINTR) continue;
            return "Impossibile leggere il file \"" + percorso + "\": " + MotivoErrore(errno) + ".";
        }
        if (letti == 0) break;
        contenuto.append(buf, static_cast<size_t>(letti));
    }
    return std::nullopt;
}

// The name part of a path.
std::string NomeDi(const std::string& percorso) {
    const auto barra = percorso.find_last_of('/');
    return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

// The start of the names of a file's temporary files: ".NAME.rigata-". A long
// name is cut so that the temporary name stays within the 255-byte limit.
std::string PrefissoTemporaneo(const std::string& bersaglio) {
    return "." + NomeDi(bersaglio).substr(0, 200) + ".rigata-";
}

// Removes the temporary files of this target that no program is writing: a
// writer holds a lock on its temporary file, which ends with its process.
void RimuoviTemporaneiAbbandonati(const std::string& cartella, const std::string& prefisso) {
    DIR* d = ::opendir(cartella.c_str());
    if (!d) return;
    while (const dirent* voce = ::readdir(d)) {
        const std::string nome = voce->d_name;
        if (nome.size() != prefisso.size() + 6 || nome.compare(0, prefisso.size(), prefisso) != 0) continue;
        const int fd = ::openat(::dirfd(d), nome.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(d), nome.c_str(), 0);
        ::close(fd);
    }
    ::closedir(d);
}

mode_t PermessiNuovoFile() {
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return static_cast<mode_t>(0666 & ~maschera);
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

std::string MotivoErrore(int errore) {
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
        case ELOOP: return "troppi collegamenti simbolici (forse un ciclo)";
        case EPIPE: return "l'uscita è stata chiusa";
        default: return std::string("errore di sistema ") + std::to_string(errore) + " (" + std::strerror(errore) + ")";
    }
}

std::string CartellaDi(const std::string& percorso) {
    const auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return percorso.substr(0, barra);
}

std::optional<std::string> LeggiFile(const std::string& percorso, std::string& contenuto, size_t massimo) {
    int fd = -1;
    struct stat info {};
    if (auto errore = ApriFileNormale(percorso, fd, info)) return errore;
    const std::string troppo = "Impossibile leggere il file \"" + percorso + "\": è troppo grande (più di " +
                               TestoByte(massimo) + ").";
    if (static_cast<unsigned long long>(info.st_size) > massimo) {
        ::close(fd);
        return troppo;
    }
    // One byte more than allowed tells a file that grew since fstat.
    auto errore = LeggiFino(fd, percorso, contenuto, massimo + 1);
    ::close(fd);
    if (!errore && contenuto.size() > massimo) errore = troppo;
    if (errore) contenuto.clear();
    return errore;
}

std::optional<std::string> LeggiInizioFile(const std::string& percorso, std::string& contenuto, size_t massimo) {
    int fd = -1;
    struct stat info {};
    if (auto errore = ApriFileNormale(percorso, fd, info)) return errore;
    auto errore = LeggiFino(fd, percorso, contenuto, massimo);
    ::close(fd);
    return errore;
}

std::string RisolviCollegamento(const std::string& percorso) {
    std::string p = percorso;
    // The same bound as the system's: a cycle of links stays a link, and the
    // write then fails on it with ELOOP.
    for (int salti = 0; salti < 40; ++salti) {
        struct stat info {};
        if (::lstat(p.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return p;
        std::string destinazione(4096, '\0');
        const ssize_t n = ::readlink(p.c_str(), destinazione.data(), destinazione.size());
        if (n <= 0 || static_cast<size_t>(n) >= destinazione.size()) return p;
        destinazione.resize(static_cast<size_t>(n));
        p = destinazione.front() == '/' ? destinazione : CartellaDi(p) + "/" + destinazione;
    }
    return p;
}

std::optional<std::string> ScriviFileSicuro(const std::string& percorso, std::string_view contenuto) {
    const std::string bersaglio = RisolviCollegamento(percorso);
    const std::string cartella = CartellaDi(bersaglio);
    struct stat vecchio {};
    bool esisteva = ::stat(bersaglio.c_str(), &vecchio) == 0;
    const int erroreStat = esisteva ? 0 : errno;
    auto fallito = [&](const std::string& motivo) {
        return "Impossibile salvare il file \"" + percorso + "\": " + motivo + "." + Coda(esisteva);
    };
    if (!esisteva && erroreStat != ENOENT) return fallito(MotivoErrore(erroreStat));
    if (esisteva) {
        // A rename would replace a device or a FIFO, or a file the user may not change.
        if (!S_ISREG(vecchio.st_mode)) return fallito(NonUnFile(vecchio.st_mode));
        if (::faccessat(AT_FDCWD, bersaglio.c_str(), W_OK, AT_EACCESS) != 0)
            return fallito(errno == EACCES || errno == EPERM ? std::string("il file è protetto dalla scrittura")
                                                             : MotivoErrore(errno));
    } else {
        struct stat infoCartella {};
        if (::stat(cartella.c_str(), &infoCartella) != 0) return fallito(MotivoCartella(errno, cartella));
        if (!S_ISDIR(infoCartella.st_mode)) return fallito(MotivoCartella(ENOTDIR, cartella));
    }
    if (::faccessat(AT_FDCWD, cartella.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return fallito(MotivoCartella(errno, cartella));

    const std::string prefisso = PrefissoTemporaneo(bersaglio);
    RimuoviTemporaneiAbbandonati(cartella, prefisso);
    std::string temporaneo = cartella + "/" + prefisso + "XXXXXX";
    const int fd = ::mkostemp(temporaneo.data(), O_CLOEXEC);
    if (fd < 0) return fallito(MotivoCartella(errno, cartella));
    // Held until the file is renamed or removed: tells the cleaning above that a writer is alive.
    ::flock(fd, LOCK_EX | LOCK_NB);
    int errore = 0;
    if (esisteva) {
        // The owner where the user may (root), else the group: a shared
        // catalogue stays writable by its group. The mode after the owner,
        // since a change of owner clears the set-id bits.
        if (::fchown(fd, vecchio.st_uid, vecchio.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), vecchio.st_gid);
    }
    if (::fchmod(fd, esisteva ? (vecchio.st_mode & 07777) : PermessiNuovoFile()) != 0) errore = errno;
    if (!errore && !ScriviTutto(fd, contenuto)) errore = errno;
    if (!errore && ::fsync(fd) != 0) errore = errno;
    if (!errore && ::rename(temporaneo.c_str(), bersaglio.c_str()) != 0) errore = errno;
    if (errore) {
        ::unlink(temporaneo.c_str());
        ::close(fd);
        return fallito(errore == EACCES || errore == EPERM ? MotivoCartella(errore, cartella) : MotivoErrore(errore));
    }
    ::close(fd);  // the data were flushed before the rename: a late close error loses nothing
    // Make the rename itself durable.
    const int dir = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

int ScriviTuttoSu(int fd, std::string_view dati) { return ScriviTutto(fd, dati) ? 0 : errno; }

bool FileEsiste(const std::string& percorso) {
    struct stat info {};
    return ::stat(percorso.c_str(), &info) == 0;
}

bool SiPuoScrivere(const std::string& percorso) {
    // The safe write makes a temporary file beside the real target and renames it.
    const std::string bersaglio = RisolviCollegamento(percorso);
    if (::faccessat(AT_FDCWD, CartellaDi(bersaglio).c_str(), W_OK | X_OK, AT_EACCESS) != 0) return false;
    return ::faccessat(AT_FDCWD, bersaglio.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

std::optional<std::string> CreaCartelle(const std::string& cartella) {
    for (size_t fine = cartella.find('/', 1);; fine = cartella.find('/', fine + 1)) {
        const std::string parte = cartella.substr(0, fine);
        struct stat info {};
        if (::stat(parte.c_str(), &info) != 0) {
            if (::mkdir(parte.c_str(), 0700) != 0 && errno != EEXIST)
                return "Impossibile creare la cartella \"" + parte + "\": " + MotivoErrore(errno) + ".";
        } else if (!S_ISDIR(info.st_mode)) {
            return "Impossibile creare la cartella \"" + parte + "\": esiste già un file con questo nome.";
        }
        if (fine == std::string::npos) return std::nullopt;
    }
}

Blocco::Blocco(const std::string& fileBlocco, int secondi) {
    fd_ = ::open(fileBlocco.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    // A lock file that is there but not ours to write can still be locked.
    if (fd_ < 0 && (errno == EACCES || errno == EROFS)) fd_ = ::open(fileBlocco.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        errore_ = FileEsiste(fileBlocco) ? "il file di blocco \"" + fileBlocco + "\" non si può aprire (" +
                                               MotivoErrore(errno) + ")"
                                         : MotivoCartella(errno, CartellaDi(fileBlocco));
        return;
    }
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(secondi);
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            errore_ = MotivoErrore(errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= limite) {
            errore_ = "è in uso da un altro programma da più di " + std::to_string(secondi) +
                      " secondi (riprovare fra poco)";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Blocco::~Blocco() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::string_view SenzaBOM(std::string_view testo) {
    if (testo.substr(0, std::size(kBomUtf8) - 1) == kBomUtf8) testo.remove_prefix(std::size(kBomUtf8) - 1);
    return testo;
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
