// The links the menus open: the publisher's site and the mail to a friend, all from one address.
#pragma once

#include <string>

// The publisher's site as the build was configured (PEBBLEDASH_PUBLISHER_URL), no trailing slash.
std::string SiteAddress();
// The site's host name alone, without scheme or path ("pebbledash.example.org").
std::string SiteHostName();
// The tell-a-friend mail link: a subject with a dash and a body ending in the site's host name.
std::string TellAFriendLink();

// Minimises the game's window (in full screen also asking for the display to be re-created when
// the player comes back) and hands `link` to the desktop's default handler.
void OpenLink(const std::string& link);
