// The only place where the program touches the disk: bounded reading of
// regular files, safe replacement of a file, the lock of a shared file, and
// the Windows-1252 text of its files. Every failure comes back as an Italian
// message that names the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rigata {

// Reads a regular file whole. A folder, FIFO, device or socket is refused
// before anything is read (a FIFO never blocks), and so is a file of more
// than massimo bytes. On failure returns the message.
std::optional<std::string> LeggiFile(const std::string& percorso, std::string& contenuto, size_t massimo);

// Reads at most massimo bytes from the start of a regular file (the rest,
// however large, is never touched). Refusals as LeggiFile.
std::optional<std::string> LeggiInizioFile(const std::string& percorso, std::string& contenuto, size_t massimo);

// Replaces a file (or creates it) with the given bytes. A symbolic link is
// followed and its target replaced. A target that exists and is not a plain
// file, or that the user may not write, is refused. The bytes go to a
// temporary file beside the target (".NAME.rigata-XXXXXX"), flushed, given the
// old file's mode, group and (where allowed) owner, then renamed over it, so a
// failed write leaves the old file whole. Temporary files of the same target
// left by a killed program are removed first. On failure returns the message.
std::optional<std::string> ScriviFileSicuro(const std::string& percorso, std::string_view contenuto);

// The path a write of percorso really changes: symbolic links followed to
// their end (the last one may point to a file not yet there).
std::string RisolviCollegamento(const std::string& percorso);

// True when something (of any kind) is at the path.
bool FileEsiste(const std::string& percorso);

// True when ScriviFileSicuro may replace (or create) the file at percorso for
// this user: the folder of its real target can be written and searched, and
// the target, where it exists, can be written. Asked of the system (access
// rights, read-only mounts, access lists) for the effective user, as the
// write itself asks.
bool SiPuoScrivere(const std::string& percorso);

// Makes a folder and the folders above it where they are missing (new ones
// readable by their owner only). On failure returns why, naming the folder.
std::optional<std::string> CreaCartelle(const std::string& cartella);

// The folder of a path ("." for a bare name).
std::string CartellaDi(const std::string& percorso);

// An exclusive lock on a lock file (created when missing), held until the
// object goes. Programs that take the same lock run one at a time.
class Blocco {
public:
    // Waits at most secondi for the lock; errore() tells why it was not taken.
    Blocco(const std::string& fileBlocco, int secondi);
    ~Blocco();
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;
    const std::optional<std::string>& errore() const { return errore_; }

private:
    int fd_ = -1;
    std::optional<std::string> errore_;
};

// Writes all bytes to an open descriptor (a pipe, a terminal, a file).
// Returns 0, or the system error that stopped it (ENOSPC, EPIPE...).
int ScriviTuttoSu(int fd, std::string_view dati);

// The Italian words for a system error ("permesso negato").
std::string MotivoErrore(int errore);

// The UTF-8 byte-order mark: skipped at the start of a file read; the CSV
// export starts with it (spreadsheets read the file as UTF-8 only with it).
inline constexpr char kBomUtf8[] = "\xEF\xBB\xBF";

// The text after a UTF-8 byte-order mark, or the whole text without one.
std::string_view SenzaBOM(std::string_view testo);

// Windows-1252 to UTF-8; the five bytes without a character (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the control characters of the same code.
std::string Da1252(std::string_view testo);

// UTF-8 to Windows-1252; empty when a character has no 8-bit form (or the
// text is not valid UTF-8).
std::optional<std::string> A1252(std::string_view utf8);

// The first character of a UTF-8 text that Windows-1252 cannot hold, for
// messages ("€" can, "Ω" cannot); empty when every character can.
std::string PrimoCarattereNon1252(std::string_view utf8);

}  // namespace rigata
