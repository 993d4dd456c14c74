#pragma once

#include <string>
#include <vector>

namespace league {

// A league of twenty clubs named as people write them: blanks, apostrophes,
// '&', accents, digits at either end, names that begin alike.
inline std::vector<std::string> twenty_clubs() {
  return {"St Mary's",
          "Bridge Inn FC",
          "Wheatsheaf Wanderers",
          "Brighton & Hove Albion FC",
          "Atl\u00e9tico Ryde",
          "1874 Northwich",
          "AFC Bournemouth",
          "Kings Lynn Town",
          "Marsh Lane",
          "Bridge Rovers",
          "Bedford Town",
          "Bedfont & Feltham",
          "Queen's Park",
          "\u00d6lands Bollklubb",
          "Tower Hamlets",
          "Tower Hamlets 2",
          "Crook Town",
          "Forest Green Rovers",
          "Ebbsfleet United",
          "Sporting Bengal United"};
}

}  // namespace league
