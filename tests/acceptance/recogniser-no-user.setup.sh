# An empty current-user file: no user is loaded.
: > "$1/profile/current-user"
