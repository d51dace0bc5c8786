# A first run of the program on the same profile: custom-words-put.lgs.
work=$1 program=$2
here=$(cd "$(dirname "$0")" && pwd)
sed -e "s|@DATA@|$here/../data|g" -e "s|@WORK@|$work|g" "$here/custom-words-put.lgs" > "$work/first-run.lgs"
"$program" "$work/first-run.lgs" > /dev/null
