// A temporary folder for tests that touch the disk, removed with its content.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace rigata::prova {

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::string modello = (std::filesystem::temp_directory_path() / "rigata-prova-XXXXXX").string();
        percorso_ = ::mkdtemp(modello.data());
    }
    ~CartellaTemporanea() {
        std::error_code e;
        std::filesystem::remove_all(percorso_, e);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::string& Percorso() const { return percorso_; }
    std::string File(const std::string& nome) const { return percorso_ + "/" + nome; }

private:
    std::string percorso_;
};

// Writes the bytes and gives the path back.
inline std::string Scrivi(const std::string& percorso, const std::string& byte) {
    std::ofstream(percorso, std::ios::binary) << byte;
    return percorso;
}

inline std::string Leggi(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace rigata::prova
