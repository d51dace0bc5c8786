# The user "tester" with two custom words.
mkdir -p "$1/profile/tester"
printf 'tester\n' > "$1/profile/current-user"
printf '@Version=Plato-UTF8\r\nZorblax\\\\zor blacks\r\nQuibbet\\\\\r\n' > "$1/profile/tester/custom-words.txt"
