#pragma once
// Where the settings file, the strategy files, TKWork and Log.txt are kept.
// A copy that was unpacked or built somewhere the user may write keeps them
// beside the program, so every folder set up that way goes on working; an
// installed copy, whose folder only an administrator may write, keeps them
// in the user's own data folder instead.
#include <string>

namespace tk {

// True when a file can be made in folder: a probe is created and removed.
bool FolderWritable(const std::string& folder);

// %APPDATA%\Tomekit on Windows; $XDG_DATA_HOME/tomekit elsewhere, with
// $HOME/.local/share for an unset or relative XDG_DATA_HOME. Empty when the
// environment names no such folder.
std::string UserDataFolder();

// programFolder when it can be written; else the user's data folder, created
// when missing. With neither, programFolder: each write then tells its own
// failure.
std::string ChooseDataFolder(const std::string& programFolder);

}  // namespace tk
