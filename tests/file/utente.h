// Permission tests must not run as root, who writes anywhere: as root the
// check runs in a forked child that has become the user nobody (with one
// extra group); as an ordinary user it runs in place.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace rigata::prova {

constexpr uid_t kNobody = 65534;
constexpr gid_t kGruppoCondiviso = 100;  // the extra group of the child ("users")

// Gives a test file or folder to the user the check runs as.
inline void CediANobody(const std::string& percorso) {
    if (::geteuid() == 0) (void)!::chown(percorso.c_str(), kNobody, kNobody);
}

// What fai() returned, run as an ordinary user; nullopt when the child could not become one.
inline std::optional<std::string> ComeUtenteComune(const std::function<std::string()>& fai) {
    if (::geteuid() != 0) return fai();
    int tubo[2];
    if (::pipe(tubo) != 0) return std::nullopt;
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        const gid_t gruppi[] = {kGruppoCondiviso};
        if (::setgroups(1, gruppi) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        const std::string risposta = fai();
        (void)!::write(tubo[1], risposta.data(), risposta.size());
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string risposta;
    char buf[512];
    for (ssize_t n; (n = ::read(tubo[0], buf, sizeof buf)) > 0;) risposta.append(buf, static_cast<size_t>(n));
    ::close(tubo[0]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0) return std::nullopt;
    return risposta;
}

}  // namespace rigata::prova
