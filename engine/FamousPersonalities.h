// Two people born under each sign, in catalogue row order.
#pragma once

#include <array>
#include <string_view>

namespace kinwise::modMayanNumerology {

inline constexpr std::array<std::string_view, 20> FamousPersonalities{
    "Neil Armstrong, Grace Hopper",       "Ayrton Senna, Stevie Wonder",
    "Audrey Hepburn, Nadia Comaneci",     "Alan Turing, Muhammad Ali",
    "Michael Jordan, Gene Kelly",         "Albert Camus, Ingrid Bergman",
    "Edmund Hillary, Hayao Miyazaki",     "Maya Angelou, Johan Cruyff",
    "Desmond Tutu, Leonard Cohen",        "Frida Kahlo, Jesse Owens",
    "David Attenborough, Usain Bolt",     "Richard Feynman, Roger Federer",
    "Yuri Gagarin, Wayne Gretzky",        "Tim Berners-Lee, Michael Phelps",
    "Stephen Hawking, Luciano Pavarotti", "Freddie Mercury, Robin Williams",
    "Mother Teresa, Meryl Streep",        "Jane Goodall, Carl Sagan",
    "Salvador Dali, Zinedine Zidane",     "Nelson Mandela, Bob Marley",
};

} // namespace kinwise::modMayanNumerology
