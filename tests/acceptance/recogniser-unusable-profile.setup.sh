# A plain file where the profile folder should be.
rmdir "$1/profile" && printf 'not a folder\n' > "$1/profile"
